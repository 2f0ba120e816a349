#include "storage/Record.h"

#include "storage/TextField.h"

QString RecordView::text(int field) const
{
    return TextField::read(m_bytes + m_layout->offset(field), m_layout->width(field));
}

Record::Record(const RecordLayout& layout) : m_layout(&layout), m_bytes(layout.size(), '\0') {}

Record::Record(const RecordLayout& layout, QByteArray bytes) : m_layout(&layout), m_bytes(std::move(bytes))
{
    Q_ASSERT(m_bytes.size() == layout.size());
}

void Record::setText(int field, QStringView text)
{
    TextField::write(m_bytes.data() + m_layout->offset(field), m_layout->width(field), text);
}
