#include "shell/FieldCriteria.h"

#include "storage/TextField.h"
#include "storage/Windows1252.h"

void FieldCriteria::add(int field, QStringView typed)
{
    if (TextField::trimmed(typed).isEmpty())
        return;
    QByteArray folded = Windows1252::encode(typed);
    for (char& c : folded)
        c = static_cast<char>(Windows1252::toLower(static_cast<unsigned char>(c)));
    m_criteria.append({field, folded});
}

bool FieldCriteria::matches(const RecordView& record) const
{
    for (const Criterion& criterion : m_criteria)
        if (!containsFolded(record.raw(criterion.field), criterion.folded))
            return false;
    return true;
}

bool containsFolded(QByteArrayView haystack, QByteArrayView foldedNeedle)
{
    const qsizetype n = foldedNeedle.size();
    if (n == 0 || n > haystack.size())
        return n == 0;
    const auto* h = reinterpret_cast<const unsigned char*>(haystack.data());
    const auto* needle = reinterpret_cast<const unsigned char*>(foldedNeedle.data());
    const qsizetype last = haystack.size() - n;
    for (qsizetype i = 0; i <= last; ++i) {
        if (Windows1252::toLower(h[i]) != needle[0])
            continue;
        qsizetype j = 1;
        while (j < n && Windows1252::toLower(h[i + j]) == needle[j])
            ++j;
        if (j == n)
            return true;
    }
    return false;
}
