#pragma once

#include "screens/CardDefinition.h"

// The product card as data: its fields, sections, commands, Enter chain, Duplicate and the number steps
// of saving.
namespace ProductCard {

CardDefinition definition();

} // namespace ProductCard
