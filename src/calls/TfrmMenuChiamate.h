#pragma once

#include "screens/YearMenu.h"

// The entrance of the call register: the year whose calls the call card shows.
class TfrmMenuChiamate : public YearMenu
{
    Q_OBJECT

public:
    explicit TfrmMenuChiamate(WindowRegistry& registry);
};
