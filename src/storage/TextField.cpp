#include "storage/TextField.h"

#include "storage/Windows1252.h"

#include <algorithm>
#include <cstring>

namespace TextField {

namespace {

QStringView trimmedView(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= 0x20)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 0x20)
        --end;
    return text.sliced(begin, end - begin);
}

} // namespace

QString trimmed(QStringView text)
{
    return trimmedView(text).toString();
}

QString read(const char* field, int width)
{
    return trimmed(Windows1252::decode(rawText(field, width)));
}

void write(char* field, int width, QStringView text)
{
    const QByteArray bytes = Windows1252::encode(trimmedView(text));
    const int length = std::min<int>(static_cast<int>(bytes.size()), width);
    field[0] = static_cast<char>(length);
    std::memcpy(field + 1, bytes.constData(), static_cast<std::size_t>(length));
    std::memset(field + 1 + length, 0, static_cast<std::size_t>(width - length));
}

} // namespace TextField
