#pragma once

#include "screens/CardDefinition.h"

// The client card as data: its fields, sections, commands, Enter chain and the checks of saving.
namespace ClientCard {

CardDefinition definition();

} // namespace ClientCard
