#include "shell/FieldCriteria.h"

#include "storage/TextField.h"

void FieldCriteria::add(int field, QStringView typed)
{
    if (!TextField::trimmed(typed).isEmpty())
        m_criteria.append(FieldCriterion(field, typed));
}

bool FieldCriteria::matches(const RecordView& record) const
{
    for (const FieldCriterion& criterion : m_criteria)
        if (!criterion.matches(record))
            return false;
    return true;
}

QList<int> FieldCriteria::fields() const
{
    QList<int> all;
    for (const FieldCriterion& criterion : m_criteria)
        all.append(criterion.field());
    return all;
}
