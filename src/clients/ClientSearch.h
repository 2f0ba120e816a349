#pragma once

#include "screens/SearchDefinition.h"

// The ten criteria of the client search and its line.
namespace ClientSearch {

const SearchDefinition& definition();

} // namespace ClientSearch
