#include "stats/TfrmStatsEntrate.h"

#include "stats/StatsCharts.h"

TfrmStatsEntrate::TfrmStatsEntrate(const QString& year, QWidget* parent)
    : ChartWindow(StatsCharts::income(), year, parent)
{}
