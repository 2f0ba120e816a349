#include "calls/TfrmAnteprimaChiamata.h"

#include "calls/CallSheet.h"
#include "platform/Clock.h"
#include "platform/Services.h"

TfrmAnteprimaChiamata::TfrmAnteprimaChiamata(const ControlTexts& controls, QWidget* parent)
    : CardPrintWindow(
          Mode::Preview, QStringLiteral(":/artwork/chiamate.svg"),
          [controls] { return CallSheet::build(controls, Services::clock().now()); }, parent)
{
    setObjectName(QStringLiteral("TfrmAnteprimaChiamata"));
}
