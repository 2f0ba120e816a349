#pragma once

#include "screens/YearMenu.h"

// The entrance of the sales register: the year whose sales the sale card shows, and the profit summary.
class TfrmMenuRegistro : public YearMenu
{
    Q_OBJECT

public:
    explicit TfrmMenuRegistro(WindowRegistry& registry);
};
