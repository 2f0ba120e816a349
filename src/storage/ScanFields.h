#pragma once

#include "storage/RecordLayout.h"

#include <initializer_list>
#include <QList>
#include <span>
#include <vector>

// The fields a scan's visit reads, declared beside the visit. A store that sends records field by field
// (a server) fetches only these and hands over the others empty (length byte and text all zero); a file
// reads whole records anyway. A debug build empties the others over every store, so that a visit that
// reads a field missing here answers wrongly over a folder too, where every test sees it.
class ScanFields
{
public:
    ScanFields(const RecordLayout& layout, std::initializer_list<int> fields)
        : ScanFields(layout, QList<int>(fields))
    {}
    ScanFields(const RecordLayout& layout, const QList<int>& fields);

    const RecordLayout& layout() const { return *m_layout; }
    // In record order, each once.
    const QList<int>& fields() const { return m_fields; }
    // The bytes a scan fetches ahead: each field's length byte, and 32 bytes on for a wide one, whose
    // text often runs onto the next cache line.
    std::span<const int> readAhead() const { return m_readAhead; }

    // Empties, in the records of a block, the fields not listed.
    void emptyOthers(char* records, qint64 count) const;

private:
    bool includes(int field) const;

    const RecordLayout* m_layout;
    QList<int> m_fields;
    std::vector<int> m_readAhead;
    // The byte ranges of the fields not listed, as offset and length, adjacent ones joined.
    std::vector<std::pair<int, int>> m_others;
};
