#pragma once

#include "screens/CardDefinition.h"

// The operators and agents card as data: its fields, sections, toolbar, Enter chain and the checks of
// saving.
namespace OperatorCard {

CardDefinition definition();

} // namespace OperatorCard
