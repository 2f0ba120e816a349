#include "sales/TfrmStampaRegistro.h"

#include "platform/Clock.h"
#include "platform/Services.h"
#include "sales/SaleSheet.h"

TfrmStampaRegistro::TfrmStampaRegistro(const ControlTexts& controls, QWidget* parent)
    : CardPrintWindow(
          Mode::Print, QStringLiteral(":/artwork/vendite.svg"),
          [controls] { return SaleSheet::build(controls, Services::clock().now()); }, parent)
{
    setObjectName(QStringLiteral("TfrmStampaRegistro"));
}
