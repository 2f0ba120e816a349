#pragma once

#include "screens/HelpTopic.h"

// The help of the sale grids: the daily, monthly and annual summaries, and the register export.
namespace SaleGridHelp {

HelpTopic summaries();
HelpTopic registerExport();

} // namespace SaleGridHelp
