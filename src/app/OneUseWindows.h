#pragma once

#include "screens/WindowRegistry.h"

// The windows one archive opens of another for one use: the client, operator and article pickers and
// the quick entries of the client card.
QList<WindowRegistry::OneUse> oneUseWindows();
