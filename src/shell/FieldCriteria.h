#pragma once

#include "storage/FieldCriterion.h"

#include <QList>

// The criteria of a search window: each typed text is looked for, lower-cased but not trimmed, as a
// substring of its record field, lower-cased. A record matches when every criterion that holds more
// than blanks is found; a criterion of blanks only is ignored, so no criteria list every record.
// Each criterion is a FieldCriterion: a scan decodes nothing it does not show.
class FieldCriteria
{
public:
    void add(int field, QStringView typed);

    bool isEmpty() const { return m_criteria.isEmpty(); }
    bool matches(const RecordView& record) const;
    // The fields the criteria read, for a scan to fetch ahead.
    QList<int> fields() const;

private:
    QList<FieldCriterion> m_criteria;
};
