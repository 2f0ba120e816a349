#pragma once

#include "storage/Record.h"
#include "storage/Windows1252.h"

#include <cstdint>
#include <cstring>
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
// The same from stored Windows-1252 bytes, without decoding them first: true with the value set, false
// (value untouched) when unreadable. Inline, and without an optional: scans read a number of every
// record, and an optional copied out per record stalls on its own bytes longer than the reading takes.
inline bool readBytes(QByteArrayView text, double& value)
{
    text = Windows1252::trimmed(text);
    const char* p = text.data();
    const char* const end = p + text.size();
    const bool negative = p < end && *p == '-';
    if (p < end && (*p == '-' || *p == '+'))
        ++p;
    // Digits with at most one comma, as read() takes them, gathered as one whole number.
    qsizetype decimals = -1;
    qsizetype digits = 0;
    qint64 whole = 0;
    for (; p < end; ++p) {
        const char c = *p;
        if (c >= '0' && c <= '9') {
            if (digits < 18)
                whole = whole * 10 + (c - '0');
            ++digits;
            decimals += decimals >= 0;
        } else if (c == ',' && decimals < 0) {
            decimals = 0;
        } else {
            return false;
        }
    }
    if (digits == 0)
        return false;
    // Up to 15 digits in all, what amount, stock and threshold fields hold: the digits as a whole number
    // are exact in a double, and so is the power of ten, so one division gives the nearest double to the
    // decimal number, as a full conversion would.
    if (digits <= 15) {
        static constexpr double kPowers[] = {1,   1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                             1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
        // A whole number, as stock counts mostly are, needs no division, which takes as long as the rest.
        const double magnitude = decimals > 0 ? double(whole) / kPowers[decimals] : double(whole);
        value = negative ? -magnitude : magnitude;
        return true;
    }
    const std::optional<double> full = read(QString::fromLatin1(text));
    if (full)
        value = *full;
    return full.has_value();
}

// The number of a stored field, as readBytes reads its text: field points at the length byte, and at
// least eight bytes follow it in memory (those past the text are masked off). Up to eight characters of
// digits and one comma, as amounts and stock counts are stored, are taken at once, without a branch on
// each; anything else is left to readBytes.
inline bool readField(const char* field, int width, double& value)
{
    const unsigned length = static_cast<unsigned char>(field[0]) < unsigned(width)
                                ? static_cast<unsigned char>(field[0])
                                : unsigned(width);
    if (length - 1 > 7)
        return readBytes(QByteArrayView(field + 1, length), value);
    std::uint64_t text;
    std::memcpy(&text, field + 1, sizeof text);
    const std::uint64_t kept = length == 8 ? ~0ull : (1ull << (8 * length)) - 1;
    text &= kept;
    // The comma: the one byte that XOR ',' leaves zero.
    const std::uint64_t x = text ^ 0x2C2C2C2C2C2C2C2Cull;
    const std::uint64_t commas = (x - 0x0101010101010101ull) & ~x & 0x8080808080808080ull & kept;
    const unsigned digits = commas ? length - 1 : length;
    if ((commas & (commas - 1)) || digits == 0)
        return readBytes(QByteArrayView(field + 1, length), value);
    // The digits closed up over the comma, each turned into its value; any that is not a digit is over 9.
    const unsigned comma = commas ? unsigned(__builtin_ctzll(commas)) / 8 : length;
    const std::uint64_t before = comma >= 8 ? text : text & ((1ull << (8 * comma)) - 1);
    const std::uint64_t after = comma >= 7 ? 0 : (text >> (8 * (comma + 1))) << (8 * comma);
    const std::uint64_t ones = digits == 8 ? ~0ull : (1ull << (8 * digits)) - 1;
    std::uint64_t d = ((before | after) ^ 0x3030303030303030ull) & ones;
    if ((((d & 0x7F7F7F7F7F7F7F7Full) + 0x7676767676767676ull) | d) & 0x8080808080808080ull)
        return readBytes(QByteArrayView(field + 1, length), value);
    // The first digit to the top byte, then pairs, fours and the eight digits combined as one number.
    d <<= 8 * (8 - digits);
    d = d * 10 + (d >> 8);
    d = ((d & 0x000000FF000000FFull) * (100 + (1000000ull << 32)) +
         ((d >> 16) & 0x000000FF000000FFull) * (1 + (10000ull << 32))) >>
        32;
    const unsigned decimals = commas ? length - 1 - comma : 0;
    static constexpr double kPowers[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7};
    value = decimals > 0 ? double(d) / kPowers[decimals] : double(d);
    return true;
}

// The same for a field of a record, eight bytes at once where the record holds eight bytes after the
// field's length byte.
inline bool readField(const RecordView& record, int field, double& value)
{
    const RecordLayout& layout = record.layout();
    if (layout.offset(field) + 9 > layout.size())
        return readBytes(record.raw(field), value);
    return readField(record.bytes() + layout.offset(field), layout.width(field), value);
}

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

// Whether an amount field's text means an amount: empty and a lone comma mean 0,00; anything read() cannot
// read ("1,2,3") means nothing, and normalising it would erase what was typed.
bool readsAsAmount(QStringView text);

// The text of an amount field: "0,00" when empty or unreadable, else the number rounded to the given
// decimals (4 for typed amounts, 2 for computed ones) and given at least two decimals.
QString normaliseAmount(QStringView text, int decimals);

} // namespace NumberText
