#include "sales/TfrmAnteprimaRegistro.h"

#include "platform/Clock.h"
#include "platform/Services.h"
#include "sales/SaleSheet.h"

TfrmAnteprimaRegistro::TfrmAnteprimaRegistro(const ControlTexts& controls, QWidget* parent)
    : CardPrintWindow(
          Mode::Preview, QStringLiteral(":/artwork/vendite.svg"),
          [controls] { return SaleSheet::build(controls, Services::clock().now()); }, parent)
{
    setObjectName(QStringLiteral("TfrmAnteprimaRegistro"));
}
