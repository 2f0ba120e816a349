#pragma once

#include "storage/TextField.h"

#include <QByteArray>
#include <QString>

// The Windows-1252 code page, exact over all 256 bytes, independent of any system codec.
namespace Windows1252 {

// The character of one byte; the five bytes the code page leaves undefined map to the C1 controls.
char16_t toUnicode(unsigned char byte);

// Byte for a character, or '?' where the code page has none.
unsigned char fromUnicode(char32_t ch);

QString decode(QByteArrayView bytes);

// What lists, grids and exports show in place of a control character (C0, DEL, and the undefined bytes'
// C1): '¤', a character of the code page that no field holds, so a damaged record shows where it is
// damaged and never breaks a line. The stored bytes stay as they are.
inline constexpr char16_t kControlShown = u'\u00A4';
inline constexpr char kControlShownByte = '\xA4';
// decode(), each control character shown as kControlShown.
QString decodeShown(QByteArrayView bytes);

// One byte per character; a character outside the code page (a surrogate pair counts as one) becomes '?'.
QByteArray encode(QStringView text);

// The bytes without those at either end that decode to the blanks QStringView::trimmed() removes
// (ASCII white space and the no-break space 0xA0): what a stored number or date is read from. Inline:
// scans call it for every record.
inline QByteArrayView trimmed(QByteArrayView bytes)
{
    return TextField::trimmedWhere(
        bytes, [](char c) { return (c >= '\t' && c <= '\r') || c == ' ' || c == '\xA0'; });
}

// Lower-case form of a byte, as the code page's letters map (A-Z, accented capitals, Š Œ Ž Ÿ).
unsigned char toLower(unsigned char byte);

} // namespace Windows1252
