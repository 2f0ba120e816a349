#pragma once

#include <QString>

// List lines are built of fixed-width columns so that they line up in a fixed-pitch font.
namespace FixedColumn {

// The text trimmed, followed by blanks and cut to exactly width characters.
QString pad(QStringView text, int width);

// The same on stored Windows-1252 bytes, one byte a character: appends the padded column to out.
void padBytes(QByteArray& out, QByteArrayView text, int width);
// Stored bytes without the blanks and control characters at either end, as TextField::trimmed.
QByteArrayView trimmedBytes(QByteArrayView text);

} // namespace FixedColumn
