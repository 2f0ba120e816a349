#include "calls/TfrmRiepMensileTel.h"

#include "calls/CallSummary.h"

TfrmRiepMensileTel::TfrmRiepMensileTel(RegisterSource source, QWidget* parent)
    : SummaryWindow(CallSummary::definition(CallGrid::Period::Month), std::move(source), parent)
{
    setObjectName(QStringLiteral("TfrmRiepMensileTel"));
}
