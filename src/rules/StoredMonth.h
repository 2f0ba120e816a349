#pragma once

#include "storage/Record.h"

#include <array>
#include <cstdint>
#include <QByteArray>

// Which month a record's stored month name names, in any letter case and with blanks around it, as the
// cards store it. A text that is no month's name, or a length byte that runs past the field, names none:
// the lists that choose by month take such a record for unreadable rather than for another month's.
// Made once per list and asked of every record: the twelve names fall into sixteen slots, one each, by
// their length and first two letters, so a record is compared with one name only, a word at a time.
class StoredMonth
{
public:
    StoredMonth(const RecordLayout& layout, int field);

    // 1 to 12; 0 for none.
    int of(const RecordView& record) const;

private:
    struct Name
    {
        int month = 0;
        QByteArray lower;
        // The name in lower case and a mask of its length, over the sixteen bytes after the length byte.
        std::uint64_t word[2] = {};
        std::uint64_t mask[2] = {};
    };

    static std::size_t slot(unsigned char length, char first, char second);
    bool matches(const Name& name, const RecordView& record) const;

    int m_field;
    int m_offset;
    int m_width;
    // Whether the sixteen bytes after the length byte lie inside the record.
    bool m_wordsFit;
    std::array<Name, 16> m_names;
};
