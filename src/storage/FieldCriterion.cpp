#include "storage/FieldCriterion.h"

#include "storage/Windows1252.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

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
    if (m_needle.isEmpty())
        return;
    // The bytes that lower to the needle's first: with at most two of them, scans look for both a word
    // at a time.
    const auto first = static_cast<unsigned char>(m_needle.front());
    unsigned bytes[2] = {};
    int found = 0;
    for (unsigned b = 0; b < 256; ++b) {
        if (lower()[b] != first)
            continue;
        if (found == 2)
            return;
        bytes[found++] = b;
    }
    m_firstBytes = bytes[0] | (found == 2 ? bytes[1] : bytes[0]) << 8;
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
    const auto occursAt = [&](qsizetype start) {
        qsizetype i = 1;
        while (i < n && table[hay[start + i]] == needle[i])
            ++i;
        return i == n;
    };
    qsizetype start = 0;
    if (std::endian::native == std::endian::little && m_firstBytes != 0) {
        // Eight bytes at a time: flag the bytes equal to either byte that lowers to the needle's first.
        // The flags are exact up to the first real hit and may add false ones above it; every flagged
        // position is verified, so none is missed and none is wrongly taken.
        constexpr std::uint64_t ones = 0x0101010101010101u;
        constexpr std::uint64_t highs = 0x8080808080808080u;
        const std::uint64_t first = (m_firstBytes & 0xFF) * ones;
        const std::uint64_t second = (m_firstBytes >> 8) * ones;
        for (; start + 8 <= field.size() && start <= last; start += 8) {
            std::uint64_t word;
            std::memcpy(&word, hay + start, sizeof word);
            const std::uint64_t a = word ^ first;
            const std::uint64_t b = word ^ second;
            std::uint64_t flags = ((a - ones) & ~a & highs) | ((b - ones) & ~b & highs);
            while (flags != 0) {
                const qsizetype at = start + std::countr_zero(flags) / 8;
                if (at > last)
                    return false;
                if (occursAt(at))
                    return true;
                flags &= flags - 1;
            }
        }
    }
    for (; start <= last; ++start) {
        if (table[hay[start]] == needle[0] && occursAt(start))
            return true;
    }
    return false;
}
