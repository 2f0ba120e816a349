#pragma once

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
// The same from stored Windows-1252 bytes, without decoding them first (scans over many records).
std::optional<QDate> parseBytes(QByteArrayView text);
// Its Julian day, computed without a QDate and taking the digits without a branch on them: for scans
// that judge the date of every record.
std::optional<qint64> julianDayBytes(QByteArrayView text);

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
