#pragma once

#include "sales/SaleGrid.h"
#include "screens/ExportDefinition.h"
#include "screens/RegisterSource.h"
#include "screens/SummaryDefinition.h"

// The sales register's grids as windows show them: the daily, monthly and annual summaries, and the
// export of the whole register.
namespace SaleSummary {

const SummaryDefinition& definition(SaleGrid::Period period);

// The register export: every sale of the card's year, read from the card's file when it is shown.
ExportDefinition registerExport(const RegisterSource& source);

} // namespace SaleSummary
