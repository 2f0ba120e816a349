#pragma once

#include <QByteArrayView>
#include <QString>

// The rules of one stored text field: a length byte, then up to N bytes of Windows-1252 text.
namespace TextField {

// Removes leading and trailing blanks and control characters (everything up to U+0020), the way the
// archives have always been trimmed; a non-breaking space is kept.
QString trimmed(QStringView text);

// The stored text of a field of width N starting at its length byte. A length byte larger than N
// (a damaged or foreign file) reads as N: never past the field.
inline QByteArrayView rawText(const char* field, int width)
{
    const int length = static_cast<unsigned char>(field[0]);
    return QByteArrayView(field + 1, length < width ? length : width);
}

QString read(const char* field, int width);

// Stored bytes without the bytes that blank() takes at either end; inline, for scans that test a field
// of every record.
template <typename Blank> QByteArrayView trimmedWhere(QByteArrayView text, Blank blank)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && blank(text[begin]))
        ++begin;
    while (end > begin && blank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

// Without ASCII white space at either end, as QByteArrayView::trimmed().
inline QByteArrayView trimmedAscii(QByteArrayView text)
{
    return trimmedWhere(text, [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); });
}

// Writes trimmed, encoded, cut to N; the bytes after the text are zeroed so nothing stale stays on disk.
void write(char* field, int width, QStringView text);

} // namespace TextField
