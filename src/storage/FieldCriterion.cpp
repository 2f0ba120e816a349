#include "storage/FieldCriterion.h"

#include "storage/Windows1252.h"

#include <array>

namespace {

// The code page's lower-case table, copied here so the inner loop indexes it instead of calling out.
const std::array<unsigned char, 256>& lower()
{
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[static_cast<std::size_t>(b)] = Windows1252::toLower(static_cast<unsigned char>(b));
        return t;
    }();
    return table;
}

} // namespace

FieldCriterion::FieldCriterion(int field, QStringView text)
    : m_field(field), m_needle(Windows1252::encode(text))
{
    // A character the code page lacks can never be in a stored field: such a criterion matches nothing,
    // rather than its '?' stand-in matching a real question mark.
    for (QChar c : text) {
        if (c != u'?' && Windows1252::fromUnicode(c.unicode()) == '?') {
            m_impossible = true;
            break;
        }
    }
    for (char& byte : m_needle)
        byte = static_cast<char>(lower()[static_cast<unsigned char>(byte)]);
}

bool FieldCriterion::matches(const RecordView& record) const
{
    const QByteArrayView field = record.raw(m_field);
    const qsizetype n = m_needle.size();
    if (n == 0 || m_impossible || n > field.size())
        return false;
    const auto* hay = reinterpret_cast<const unsigned char*>(field.data());
    const auto* needle = reinterpret_cast<const unsigned char*>(m_needle.constData());
    const auto& table = lower();
    const qsizetype last = field.size() - n;
    for (qsizetype start = 0; start <= last; ++start) {
        if (table[hay[start]] != needle[0])
            continue;
        qsizetype i = 1;
        while (i < n && table[hay[start + i]] == needle[i])
            ++i;
        if (i == n)
            return true;
    }
    return false;
}
