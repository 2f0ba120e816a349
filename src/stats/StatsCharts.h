#pragma once

#include "screens/ChartDefinition.h"

// The two monthly charts: the income of the sales and the number of calls, month by month.
namespace StatsCharts {

const ChartDefinition& income();
const ChartDefinition& calls();

} // namespace StatsCharts
