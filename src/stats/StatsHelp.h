#pragma once

#include "screens/HelpTopic.h"

#include <QStringList>

// The help of the two monthly charts (year window and chart), also part of the general guide.
namespace StatsHelp {

QStringList callsChartParagraphs();
HelpTopic callsChart();

QStringList incomeChartParagraphs();
HelpTopic incomeChart();

} // namespace StatsHelp
