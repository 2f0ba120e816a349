#pragma once

#include "screens/SearchDefinition.h"
#include "screens/TextTable.h"

#include <optional>
#include <QDate>

class RecordFile;

// The contracts to renew: every card whose deadline, less its days of notice, is today or earlier.
namespace OperatorContracts {

// The list's line, printed title and pick; it has no criteria and no count line.
const SearchDefinition& definition();

// Whether the list shows a card on a day; nothing when its deadline or notice cannot be read.
std::optional<bool> isDue(const RecordView& card, QDate today);

// The lines of the cards due on that day, in file order; returns how many cards could not be read.
// Throws StorageError; the lines found so far stay.
qsizetype list(const RecordFile& file, QDate today, TextTable& lines);

} // namespace OperatorContracts
