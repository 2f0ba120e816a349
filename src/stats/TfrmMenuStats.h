#pragma once

#include "screens/YearMenu.h"

// The year window of the income chart.
class TfrmMenuStats : public YearMenu
{
    Q_OBJECT

public:
    explicit TfrmMenuStats(WindowRegistry& registry);
};
