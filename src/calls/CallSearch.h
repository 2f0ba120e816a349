#pragma once

#include "screens/SearchDefinition.h"

// The ten criteria of the call search and its line.
namespace CallSearch {

const SearchDefinition& definition();

} // namespace CallSearch
