#pragma once

#include "screens/RecordGrid.h"

// Which records of a register's year file belong to a day, a month or the whole year, compared as the
// summaries do: day and month trimmed and without regard to case, the year trimmed.
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
RecordFilter of(DateFields fields, const QString& year, const QString& month = {}, const QString& day = {});

} // namespace RegisterFilter
