#include "storage/ScanFields.h"

#include <algorithm>
#include <cstring>

ScanFields::ScanFields(const RecordLayout& layout, const QList<int>& fields)
    : m_layout(&layout), m_fields(fields)
{
    std::sort(m_fields.begin(), m_fields.end());
    m_fields.erase(std::unique(m_fields.begin(), m_fields.end()), m_fields.end());
    for (const int field : std::as_const(m_fields)) {
        Q_ASSERT(field >= 0 && field < layout.fieldCount());
        m_readAhead.push_back(layout.offset(field));
        if (layout.width(field) >= 32)
            m_readAhead.push_back(std::min(layout.offset(field) + 32, layout.size() - 1));
    }
    for (int field = 0; field < layout.fieldCount(); ++field) {
        if (includes(field))
            continue;
        const int offset = layout.offset(field);
        const int bytes = layout.width(field) + 1;
        if (!m_others.empty() && m_others.back().first + m_others.back().second == offset)
            m_others.back().second += bytes;
        else
            m_others.emplace_back(offset, bytes);
    }
}

bool ScanFields::includes(int field) const
{
    return std::binary_search(m_fields.cbegin(), m_fields.cend(), field);
}

void ScanFields::emptyOthers(char* records, qint64 count) const
{
    const int size = m_layout->size();
    for (qint64 i = 0; i < count; ++i)
        for (const auto& [offset, bytes] : m_others)
            std::memset(records + i * size + offset, 0, std::size_t(bytes));
}
