#pragma once

#include "storage/Record.h"

#include <QByteArray>
#include <QStringView>

// One search criterion on one field: its text must occur in the field, compared without regard to case
// on the stored Windows-1252 bytes through the code page's lower-case table, so scans never decode a
// record. The text is taken as typed (lower-cased, not trimmed); an empty text never matches, nor does one
// holding a character the code page lacks.
class FieldCriterion
{
public:
    FieldCriterion(int field, QStringView text);

    int field() const { return m_field; }
    bool matches(const RecordView& record) const;

private:
    int m_field;
    QByteArray m_needle;
    bool m_impossible = false;
    // The one or two bytes that lower to the needle's first (the low byte, then the next), or 0 when
    // more do.
    unsigned m_firstBytes = 0;
};
