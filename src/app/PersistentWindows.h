#pragma once

#include "screens/WindowRegistry.h"

// The persistent windows in their order of creation; the login window comes first and is the main
// window. A window joins this list from the change that builds it.
QList<WindowRegistry::Entry> persistentWindows();
