#pragma once

#include "calls/CallGrid.h"
#include "screens/ExportDefinition.h"
#include "screens/RegisterSource.h"
#include "screens/SummaryDefinition.h"

// The call register's grids as windows show them: the daily, monthly and annual summaries, and the
// export of the whole register.
namespace CallSummary {

const SummaryDefinition& definition(CallGrid::Period period);

// The register export: every call of the card's year, read from the card's file when it is shown.
ExportDefinition registerExport(const RegisterSource& source);

} // namespace CallSummary
