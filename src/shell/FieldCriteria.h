#pragma once

#include "storage/Record.h"

#include <QByteArray>
#include <QList>

// The criteria of a search window: each typed text is looked for, lower-cased but not trimmed, as a
// substring of its record field, lower-cased. A record matches when every criterion that holds more
// than blanks is found; a criterion of blanks only is ignored, so no criteria list every record.
// Matching runs on the raw Windows-1252 bytes, so a scan decodes nothing it does not show.
class FieldCriteria
{
public:
    void add(int field, QStringView typed);

    bool isEmpty() const { return m_criteria.isEmpty(); }
    bool matches(const RecordView& record) const;

private:
    struct Criterion
    {
        int field;
        QByteArray folded;
    };
    QList<Criterion> m_criteria;
};

// True when the bytes, folded to lower case through the code page, contain the folded needle.
bool containsFolded(QByteArrayView haystack, QByteArrayView foldedNeedle);
