#pragma once

#include <optional>
#include <QString>
#include <QByteArrayView>
#include <QStringView>

// Numbers as the program keeps them: text with a decimal comma and no thousands separator, whatever
// the system's regional settings.
namespace NumberText {

// The number a text holds: optional blanks, an optional sign, digits with at most one decimal comma
// (",5" and "12," are read too), optional blanks. Anything else, and an empty text, is unreadable.
std::optional<double> read(QStringView text);
// The same from stored Windows-1252 bytes, without decoding them first (scans over many records).
std::optional<double> readBytes(QByteArrayView text);

// The shortest text of a value with at most 15 significant digits and no trailing zeros: 12,5; 3;
// 0,25; 1500. Values of magnitude 10^15 and above, which no field can hold, are written in full
// positional digits too (1E+20 gives "100000000000000000000"), never with an exponent, so that their text
// still reads back as a number; only the first 15 digits are significant. Infinities and NaN, which
// only a broken calculation produces, are written as "0".
QString write(double value);

// The largest whole number not above value × 10^decimals + 0.5, divided by 10^decimals: halves go up,
// so −2,7 gives −3 and −2,5 gives −2.
double round(double value, int decimals);

// The text of a whole-number field: "0" when empty or unreadable, else the number rounded to a whole.
QString normaliseWhole(QStringView text);

// The text of an amount field: "0,00" when empty or unreadable, else the number rounded to the given
// decimals (4 for typed amounts, 2 for computed ones) and given at least two decimals.
QString normaliseAmount(QStringView text, int decimals);

} // namespace NumberText
