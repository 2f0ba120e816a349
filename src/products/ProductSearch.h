#pragma once

#include "screens/SearchDefinition.h"

// The product search: ten criteria over Magazzino.pro, and the low-stock list, both with the stock line.
namespace ProductSearch {

// The ten criteria, the same in the search and in the picker of the sale card.
QList<SearchDefinition::Criterion> criteria();

const SearchDefinition& definition();

// The low-stock list: no criteria; the records it shows are those ProductStock::isLow finds low.
const SearchDefinition& lowStock();

} // namespace ProductSearch
