#pragma once

#include "screens/SearchDefinition.h"
#include "screens/TextTable.h"

#include <QDate>

class RecordFile;

// The contracts to renew: every card whose deadline, less its days of notice, is today or earlier.
namespace OperatorContracts {

// The list's line, printed title and pick; it has no criteria and no count line.
const SearchDefinition& definition();

// How the list judges a card on a day: a deadline or notice it cannot read makes the card unreadable.
SearchDefinition::Listing judge(const RecordView& card, QDate today);

// The lines of the cards due on that day, in file order; returns how many cards could not be read.
// Throws StorageError; the lines found so far stay.
qint64 list(const RecordFile& file, QDate today, TextTable& lines);

} // namespace OperatorContracts
