#pragma once

#include "storage/TextField.h"

#include <algorithm>
#include <cstring>
#include <QByteArray>
#include <QString>
#include <string_view>

// List lines are built of fixed-width columns so that they line up in a fixed-pitch font.
namespace FixedColumn {

// The text trimmed, followed by blanks and cut to exactly width characters.
QString pad(QStringView text, int width);

// The same on stored Windows-1252 bytes, one byte a character: appends the padded column to out.
void padBytes(QByteArray& out, QByteArrayView text, int width);
// Stored bytes without the blanks and control characters at either end, as TextField::trimmed.
inline QByteArrayView trimmedBytes(QByteArrayView text)
{
    return TextField::trimmedWhere(text, [](char c) { return static_cast<unsigned char>(c) <= 0x20; });
}

// Appends a line that write(out) puts at out, in at most room bytes, returning where it stopped: the room
// is made once, and the writers below fill it without a growing array's checks at every column, for
// lines built by the thousand.
template <typename Write> void appendWritten(QByteArray& line, qsizetype room, Write&& write)
{
    const qsizetype at = line.size();
    line.resize(at + room);
    const char* const end = write(line.data() + at);
    line.resize(end - line.constData());
}

// Writers of a line into room already made for all of it, each returning where it stopped.
inline char* putText(char* out, std::string_view text)
{
    std::memcpy(out, text.data(), text.size());
    return out + text.size();
}
// Stored bytes trimmed.
inline char* putTrimmed(char* out, QByteArrayView stored)
{
    const QByteArrayView text = trimmedBytes(stored);
    std::memcpy(out, text.data(), std::size_t(text.size()));
    return out + text.size();
}
// Stored bytes as padBytes puts them: trimmed, followed by blanks and cut to exactly width bytes.
inline char* putPadded(char* out, QByteArrayView stored, int width)
{
    const QByteArrayView text = trimmedBytes(stored);
    const qsizetype length = std::min<qsizetype>(text.size(), width);
    std::memcpy(out, text.data(), std::size_t(length));
    std::memset(out + length, ' ', std::size_t(width - length));
    return out + width;
}

} // namespace FixedColumn
