#pragma once

#include "screens/SearchDefinition.h"

// The ten criteria of the operator search and its line.
namespace OperatorSearch {

const SearchDefinition& definition();

} // namespace OperatorSearch
