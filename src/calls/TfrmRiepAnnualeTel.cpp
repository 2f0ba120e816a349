#include "calls/TfrmRiepAnnualeTel.h"

#include "calls/CallSummary.h"

TfrmRiepAnnualeTel::TfrmRiepAnnualeTel(RegisterSource source, QWidget* parent)
    : SummaryWindow(CallSummary::definition(CallGrid::Period::Year), std::move(source), parent)
{
    setObjectName(QStringLiteral("TfrmRiepAnnualeTel"));
}
