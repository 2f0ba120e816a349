#include "rules/StoredMonth.h"

#include "rules/ValueLists.h"
#include "storage/TextField.h"
#include "storage/Windows1252.h"

#include <algorithm>
#include <cstring>

namespace {

QByteArray lowerCased(QByteArray bytes)
{
    for (char& byte : bytes)
        byte = char(Windows1252::toLower(static_cast<unsigned char>(byte)));
    return bytes;
}

// The trimmed text equal to lowerWanted (lower-cased), letter case aside, on the stored bytes. A byte
// already equal needs no lower-casing: the names are mostly stored as written.
bool sameIgnoringCase(QByteArrayView stored, const QByteArray& lowerWanted)
{
    stored = TextField::trimmedAscii(stored);
    if (stored.size() != lowerWanted.size())
        return false;
    for (qsizetype i = 0; i < lowerWanted.size(); ++i) {
        const auto byte = static_cast<unsigned char>(stored[i]);
        const auto wanted = static_cast<unsigned char>(lowerWanted[i]);
        if (byte != wanted && Windows1252::toLower(byte) != wanted)
            return false;
    }
    return true;
}

} // namespace

StoredMonth::StoredMonth(const RecordLayout& layout, int field)
    : m_field(field), m_offset(layout.offset(field)), m_width(layout.width(field)),
      m_wordsFit(layout.offset(field) + 17 <= layout.size())
{
    for (int month = 1; month <= 12; ++month) {
        const QByteArray lower = lowerCased(Windows1252::encode(ValueLists::monthName(month)));
        // The word test below is exact for names of ASCII letters alone, as the twelve are.
        Q_ASSERT(lower.size() <= 16 &&
                 std::all_of(lower.begin(), lower.end(), [](char c) { return c >= 'a' && c <= 'z'; }));
        Name& name = m_names[slot(static_cast<unsigned char>(lower.size()), lower[0], lower[1])];
        Q_ASSERT(name.month == 0);
        name.month = month;
        name.lower = lower;
        char word[16] = {};
        char mask[16] = {};
        std::memcpy(word, lower.constData(), std::size_t(lower.size()));
        std::memset(mask, 0xFF, std::size_t(lower.size()));
        std::memcpy(name.word, word, sizeof name.word);
        std::memcpy(name.mask, mask, sizeof name.mask);
    }
}

int StoredMonth::of(const RecordView& record) const
{
    const char* field = record.bytes() + m_offset;
    const auto length = static_cast<unsigned char>(field[0]);
    if (length > m_width)
        return 0;
    if (const Name& name = m_names[slot(length, field[1], field[2])];
        name.month != 0 && matches(name, record))
        return name.month;
    // Blanks around a name, which no card stores, go the long way.
    const QByteArrayView stored = record.raw(m_field);
    if (TextField::trimmedAscii(stored).size() == stored.size())
        return 0;
    for (const Name& name : m_names)
        if (name.month != 0 && matches(name, record))
            return name.month;
    return 0;
}

std::size_t StoredMonth::slot(unsigned char length, char first, char second)
{
    const auto letter = [](char c) { return static_cast<unsigned char>(c) | 0x20u; };
    return (letter(first) + 3 * letter(second) + 4u * length) & 15u;
}

// Every letter of the field with its capital's bit set, masked to the name's length, against the name
// in lower case: a letter and its capital differ in that bit alone, and no other byte sets it to a
// letter. A stored name longer than this one, which may hold blanks around it, goes the long way.
bool StoredMonth::matches(const Name& name, const RecordView& record) const
{
    const char* field = record.bytes() + m_offset;
    const auto length = static_cast<unsigned char>(field[0]);
    if (!m_wordsFit || length > name.lower.size())
        return sameIgnoringCase(record.raw(m_field), name.lower);
    std::uint64_t stored[2];
    std::memcpy(stored, field + 1, sizeof stored);
    constexpr std::uint64_t kCapitalBit = 0x2020202020202020;
    return (length == name.lower.size()) & (((stored[0] | kCapitalBit) & name.mask[0]) == name.word[0]) &
           (((stored[1] | kCapitalBit) & name.mask[1]) == name.word[1]);
}
