#pragma once

#include "screens/SearchDefinition.h"

// The ten criteria of the sale search and its line.
namespace SaleSearch {

const SearchDefinition& definition();

} // namespace SaleSearch
