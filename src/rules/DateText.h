#pragma once

#include "storage/Windows1252.h"

#include <optional>
#include <QDate>
#include <QString>
#include <QStringView>

// Dates and times as the program writes them, "dd/mm/yyyy" and "hh:mm", whatever the system's
// regional settings.
namespace DateText {

// The date of a text of exactly two-digit day, "/", two-digit month, "/", four-digit year (blanks
// around it are ignored); nothing for any other text and for a day the calendar lacks (31/04/2023,
// 29/02/2023).
std::optional<QDate> parse(QStringView text);
// The Julian day of the same from stored Windows-1252 bytes, computed without decoding them or making
// a QDate, every check folded into one test: for scans that judge the date of every record. Inline, as
// an optional returned from a call costs more than the reading.
inline std::optional<qint64> julianDayBytes(QByteArrayView stored)
{
    // A stored date is ten bytes; a blank at either end of those fails the digit test as it should.
    const QByteArrayView text = stored.size() == 10 ? stored : Windows1252::trimmed(stored);
    if (text.size() != 10)
        return std::nullopt;
    const auto* c = reinterpret_cast<const unsigned char*>(text.data());
    const unsigned at[] = {c[0] - 48u, c[1] - 48u, c[3] - 48u, c[4] - 48u,
                           c[6] - 48u, c[7] - 48u, c[8] - 48u, c[9] - 48u};
    unsigned bad = unsigned(c[2] != '/') | unsigned(c[5] != '/');
    for (const unsigned digit : at)
        bad |= unsigned(digit > 9);
    const unsigned day = at[0] * 10 + at[1];
    const unsigned month = at[2] * 10 + at[3];
    const unsigned year = at[4] * 1000 + at[5] * 100 + at[6] * 10 + at[7];
    const bool leap = (year % 4 == 0) & ((year % 100 != 0) | (year % 400 == 0));
    static constexpr unsigned char kDays[16] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bad |= unsigned(day - 1 > 30) | unsigned(month - 1 > 11) | unsigned(year == 0);
    bad |= unsigned(day > kDays[month & 15] + unsigned((month == 2) & leap));
    if (bad)
        return std::nullopt;
    // Days from 1 March of year 0 of the proleptic Gregorian calendar, then shifted to the Julian day.
    const unsigned y = year - unsigned(month <= 2);
    const unsigned era = y / 400;
    const unsigned yearOfEra = y - era * 400;
    const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return qint64(era) * 146097 + dayOfEra + 1721120;
}
// The date of the same.
inline std::optional<QDate> parseBytes(QByteArrayView text)
{
    const std::optional<qint64> day = julianDayBytes(text);
    if (!day)
        return std::nullopt;
    return QDate::fromJulianDay(*day);
}

// "dd/mm/yyyy"; empty for an invalid date.
QString compose(QDate date);

// The date text of a record's date block: day "01".."31", a month name ("Marzo", any case) and a
// four-digit year give "dd/mm/yyyy", not yet checked against the calendar; empty for an unknown month.
QString composeFromParts(QStringView day, QStringView monthName, QStringView year);

// "hh:mm" from the two list values.
QString composeTime(QStringView hour, QStringView minute);

// Whether a text is a year that may name a year file: exactly four characters "0" to "9", nothing
// around them (no blank, sign, separator or digit of another script).
bool isYear(QStringView text);

} // namespace DateText
