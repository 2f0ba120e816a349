#include "storage/Windows1252.h"

#include <array>

namespace {

// 0x80..0x9F as the code page defines them; the undefined 0x81, 0x8D, 0x8F, 0x90, 0x9D pass through.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr std::array<unsigned char, 256> makeLowerTable()
{
    std::array<unsigned char, 256> table{};
    for (int i = 0; i < 256; ++i)
        table[i] = static_cast<unsigned char>(i);
    for (int i = 'A'; i <= 'Z'; ++i)
        table[i] = static_cast<unsigned char>(i + 32);
    for (int i = 0xC0; i <= 0xDE; ++i)
        if (i != 0xD7)
            table[i] = static_cast<unsigned char>(i + 32);
    table[0x8A] = 0x9A; // Š š
    table[0x8C] = 0x9C; // Œ œ
    table[0x8E] = 0x9E; // Ž ž
    table[0x9F] = 0xFF; // Ÿ ÿ
    return table;
}

constexpr std::array<unsigned char, 256> kLower = makeLowerTable();

} // namespace

namespace Windows1252 {

char16_t toUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80];
    return byte;
}

unsigned char fromUnicode(char32_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return static_cast<unsigned char>(ch);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == ch)
            return static_cast<unsigned char>(0x80 + i);
    return '?';
}

QString decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (char b : bytes)
        *out++ = QChar(toUnicode(static_cast<unsigned char>(b)));
    return text;
}

QString decodeShown(QByteArrayView bytes)
{
    static const std::array<char16_t, 256> shown = [] {
        std::array<char16_t, 256> table{};
        for (int byte = 0; byte < 256; ++byte) {
            const char16_t ch = toUnicode(static_cast<unsigned char>(byte));
            table[std::size_t(byte)] = QChar(ch).category() == QChar::Other_Control ? kControlShown : ch;
        }
        return table;
    }();
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (char b : bytes)
        *out++ = QChar(shown[static_cast<unsigned char>(b)]);
    return text;
}

QByteArray encode(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            bytes.append('?');
            ++i;
            continue;
        }
        bytes.append(static_cast<char>(fromUnicode(c.unicode())));
    }
    return bytes;
}

unsigned char toLower(unsigned char byte)
{
    return kLower[byte];
}

} // namespace Windows1252
