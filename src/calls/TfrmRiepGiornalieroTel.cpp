#include "calls/TfrmRiepGiornalieroTel.h"

#include "calls/CallSummary.h"

TfrmRiepGiornalieroTel::TfrmRiepGiornalieroTel(RegisterSource source, QWidget* parent)
    : SummaryWindow(CallSummary::definition(CallGrid::Period::Day), std::move(source), parent)
{
    setObjectName(QStringLiteral("TfrmRiepGiornalieroTel"));
}
