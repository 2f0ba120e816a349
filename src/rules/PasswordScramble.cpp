#include "rules/PasswordScramble.h"

#include <cstdint>

namespace PasswordScramble {
namespace {

constexpr std::uint16_t StartKey = 0x3B29;
constexpr std::uint16_t Multiplier = 0xA5F3;
constexpr std::uint16_t Increment = 0x7E1D;
constexpr qsizetype MaxLength = 255;

std::uint16_t nextKey(std::uint16_t key, std::uint8_t scrambled)
{
    return static_cast<std::uint16_t>((std::uint32_t{scrambled} + key) * Multiplier + Increment);
}

int hexValue(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    return -1;
}

} // namespace

QString normalForm(QStringView typed)
{
    QString result = typed.trimmed().toString();
    for (QChar& c : result)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    return result;
}

QString encode(QStringView plain)
{
    static constexpr char16_t Hex[] = u"0123456789ABCDEF";
    QString result;
    result.reserve(plain.size() * 2);
    std::uint16_t key = StartKey;
    for (const QChar c : plain) {
        const auto b = static_cast<std::uint8_t>((c.unicode() & 0xFF) ^ (key >> 8));
        result += QChar(Hex[b >> 4]);
        result += QChar(Hex[b & 0xF]);
        key = nextKey(key, b);
    }
    return result;
}

std::optional<QString> decode(QStringView hex)
{
    // A value cut short by one digit is damaged, not a shorter password.
    if (hex.size() % 2 != 0)
        return std::nullopt;
    QString result;
    std::uint16_t key = StartKey;
    for (qsizetype i = 0; i + 1 < hex.size(); i += 2) {
        const int high = hexValue(hex[i]);
        const int low = hexValue(hex[i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        const auto v = static_cast<std::uint8_t>(high * 16 + low);
        result += QChar(static_cast<char16_t>(v ^ (key >> 8)));
        key = nextKey(key, v);
    }
    return result;
}

bool isStorable(QStringView typed)
{
    const QString normal = normalForm(typed);
    if (normal.size() > MaxLength)
        return false;
    for (const QChar c : normal)
        if (c.unicode() > 0xFF)
            return false;
    return true;
}

QString notStorableMessage()
{
    return QStringLiteral("Attenzione: la nuova password può contenere al massimo 255 caratteri e non può "
                          "contenere simboli come € o lettere di alfabeti diversi da quello latino.\n\r\n\r"
                          "E' necessario reinserire entrambi i valori.");
}

} // namespace PasswordScramble
