#pragma once

#include "screens/ChartWindow.h"

// The income chart of one year's sales, opened over its year window.
class TfrmStatsEntrate : public ChartWindow
{
    Q_OBJECT

public:
    explicit TfrmStatsEntrate(const QString& year, QWidget* parent = nullptr);
};
