#include "screens/FieldCriteria.h"

#include "storage/TextField.h"

void FieldCriteria::add(int field, QStringView typed)
{
    if (!TextField::trimmed(typed).isEmpty())
        m_criteria.append(FieldCriterion(field, typed));
}

QList<int> FieldCriteria::fields() const
{
    QList<int> all;
    for (const FieldCriterion& criterion : m_criteria)
        all.append(criterion.field());
    return all;
}

FieldCriteria::Probes FieldCriteria::probes(const RecordLayout& layout) const
{
    Probes probes;
    for (const FieldCriterion& criterion : m_criteria) {
        if (!probes.m_hasFirst) {
            probes.m_first = criterion.probe(layout);
            probes.m_hasFirst = true;
        } else {
            probes.m_others.push_back(criterion.probe(layout));
        }
    }
    return probes;
}
