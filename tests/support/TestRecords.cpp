#include "TestRecords.h"

#include "storage/RecordFile.h"

namespace TestRecords {

Record make(const RecordLayout& layout, const Fields& fields)
{
    Record record(layout);
    for (const auto& [field, text] : fields)
        record.setText(field, text);
    return record;
}

void append(const QString& path, const RecordLayout& layout, const QList<Fields>& records)
{
    RecordFile file(path, layout);
    for (const Fields& fields : records)
        file.append(make(layout, fields));
}

Record at(const QByteArray& archive, const RecordLayout& layout, qint64 number)
{
    const int size = layout.size();
    return Record(layout, archive.mid((number - 1) * size, size));
}

QByteArray field(int width, const QByteArray& text)
{
    return char(text.size()) + text + QByteArray(width - text.size(), '\0');
}

} // namespace TestRecords
