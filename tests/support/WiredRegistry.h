#pragma once

#include "app/OneUseWindows.h"
#include "screens/WindowRegistry.h"

// A window registry that makes the pickers and quick entries one archive opens of another, as the
// program's does.
class WiredRegistry : public WindowRegistry
{
public:
    WiredRegistry() { provide(oneUseWindows()); }
};
