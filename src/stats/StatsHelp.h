#pragma once

#include "screens/HelpTopic.h"

#include <QStringList>

// The help of the profit summary and of the two monthly charts, also part of the general guide.
namespace StatsHelp {

QStringList callsChartParagraphs();
HelpTopic callsChart();

QStringList profitSummaryParagraphs();
HelpTopic profitSummary();

QStringList incomeChartParagraphs();
HelpTopic incomeChart();

} // namespace StatsHelp
