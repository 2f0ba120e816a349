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

FieldCriterion::Probe FieldCriterion::probe(const RecordLayout& layout) const
{
    Probe probe;
    probe.m_offset = layout.offset(m_field);
    probe.m_width = layout.width(m_field);
    probe.m_room = layout.size() - probe.m_offset - 1;
    probe.m_needle = reinterpret_cast<const unsigned char*>(m_needle.constData());
    if (m_needle.isEmpty() || m_impossible)
        return probe;
    probe.m_length = int(m_needle.size());
#if defined(__SSE2__)
    // The bytes that lower to a needle byte: at most two (a letter's two cases) for every byte the code
    // page has, but the table decides.
    const auto casesOf = [](unsigned char wanted, __m128i(&cases)[2]) {
        int found = 0;
        for (unsigned b = 0; b < 256; ++b) {
            if (lower()[b] != wanted)
                continue;
            if (found == 2)
                return false;
            cases[found++] = _mm_set1_epi8(static_cast<char>(b));
        }
        if (found == 1)
            cases[1] = cases[0];
        return found > 0;
    };
    // A one-letter criterion is looked for plainly: it is rare, and short fields are where it is used.
    probe.m_paired = m_needle.size() > 1 && casesOf(probe.m_needle[0], probe.m_first) &&
                     casesOf(probe.m_needle[1], probe.m_second);
#endif
    return probe;
}

bool FieldCriterion::Probe::occursAt(const unsigned char* hay) const
{
    const auto& table = lower();
    for (int i = 1; i < m_length; ++i)
        if (table[hay[i]] != m_needle[i])
            return false;
    return true;
}

bool FieldCriterion::Probe::findFrom(const unsigned char* hay, int start, int last) const
{
    const auto& table = lower();
    for (; start <= last; ++start)
        if (table[hay[start]] == m_needle[0] && occursAt(hay + start))
            return true;
    return false;
}
