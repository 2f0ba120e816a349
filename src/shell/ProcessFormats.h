#pragma once

#include <QString>

// The number and date formats the whole run works with, whatever the system's regional settings:
// the decimal comma without thousands separators, and short dates "dd/mm/yyyy".
namespace ProcessFormats {

// The format string of short dates, for QDate::toString and QDate::fromString.
inline constexpr QStringView shortDateFormat = u"dd/MM/yyyy";

// Makes Italian with the decimal comma and no group separator the default locale of the process.
void install();

} // namespace ProcessFormats
