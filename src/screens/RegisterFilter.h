#pragma once

#include "screens/RecordGrid.h"

// Which records of a register's year file belong to a day, a month or the whole year, compared as the
// summaries do: day and month trimmed and without regard to case, the year trimmed. A record whose
// year, month or day cannot be read (a year of other than four digits, no month's name, a day other
// than "01".."31", a length byte past its field) is unreadable unless a part that can be read already
// puts it elsewhere.
namespace RegisterFilter {

// Where a register's record keeps the parts of its date.
struct DateFields
{
    int day;
    int month;
    int year;
};

// The records of year, of the month (its name in any case, empty for all) and of the day ("01".."31",
// empty for all).
RecordFilter of(const RecordLayout& layout, DateFields fields, const QString& year, const QString& month = {},
                const QString& day = {});

} // namespace RegisterFilter
