#pragma once

#include "screens/YearMenu.h"

// The year window of the calls chart.
class TfrmMenuStatsTel : public YearMenu
{
    Q_OBJECT

public:
    explicit TfrmMenuStatsTel(WindowRegistry& registry);
};
