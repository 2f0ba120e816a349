#include "stats/TfrmStatsTelefonate.h"

#include "stats/StatsCharts.h"

TfrmStatsTelefonate::TfrmStatsTelefonate(const QString& year, QWidget* parent)
    : ChartWindow(StatsCharts::calls(), year, parent)
{}
