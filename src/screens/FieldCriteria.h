#pragma once

#include "storage/FieldCriterion.h"

#include <QList>
#include <span>
#include <vector>

// The criteria of a search window: each typed text is looked for, lower-cased but not trimmed, as a
// substring of its record field, lower-cased. A record matches when every criterion that holds more
// than blanks is found; a criterion of blanks only is ignored, so no criteria list every record.
// Each criterion is a FieldCriterion: a scan decodes nothing it does not show.
class FieldCriteria
{
public:
    void add(int field, QStringView typed);

    bool isEmpty() const { return m_criteria.isEmpty(); }
    bool matches(const RecordView& record) const { return probes(record.layout()).matches(record.bytes()); }
    // Every criterion, for a store that finds records by them.
    std::span<const FieldCriterion> all() const { return {m_criteria.constData(), std::size_t(m_criteria.size())}; }
    // The fields the criteria read, for a scan to fetch ahead.
    QList<int> fields() const;

    // The criteria tied to a record layout, for a scan's loop: the first is held by value, so the loop
    // keeps it at hand, and the others are tried only on the records it lets through.
    class Probes
    {
    public:
        Q_ALWAYS_INLINE bool matches(const char* record) const
        {
            if (!m_hasFirst)
                return true;
            if (!m_first.matches(record))
                return false;
            for (const FieldCriterion::Probe& probe : m_others)
                if (!probe.matches(record))
                    return false;
            return true;
        }

    private:
        friend class FieldCriteria;
        bool m_hasFirst = false;
        FieldCriterion::Probe m_first;
        std::vector<FieldCriterion::Probe> m_others;
    };
    // Valid while these criteria live.
    Probes probes(const RecordLayout& layout) const;

private:
    QList<FieldCriterion> m_criteria;
};
