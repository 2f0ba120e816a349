#include "calls/TfrmStampaChiamata.h"

#include "calls/CallSheet.h"
#include "platform/Clock.h"
#include "platform/Services.h"

TfrmStampaChiamata::TfrmStampaChiamata(const ControlTexts& controls, QWidget* parent)
    : CardPrintWindow(
          Mode::Print, QStringLiteral(":/artwork/chiamate.svg"),
          [controls] { return CallSheet::build(controls, Services::clock().now()); }, parent)
{
    setObjectName(QStringLiteral("TfrmStampaChiamata"));
}
