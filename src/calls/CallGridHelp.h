#pragma once

#include "screens/HelpTopic.h"

// The help of the call grids: the daily, monthly and annual summaries, and the register export.
namespace CallGridHelp {

HelpTopic summaries();
HelpTopic registerExport();

} // namespace CallGridHelp
