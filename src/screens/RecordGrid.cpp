#include "screens/RecordGrid.h"

#include "storage/RecordFile.h"
#include "storage/ScanProgress.h"
#include "storage/SpreadsheetWriter.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace RecordGrid {

qint64 fill(const RecordFile& file, const QList<GridColumn>& columns, TextTable& table,
            const RecordFilter& filter, ScanProgress* progress)
{
    // Where each single-field column's bytes sit in a record, looked up once rather than per row.
    struct Place
    {
        int offset = -1; // of the field's length byte; -1 for a column that joins several fields
        int width = 0;
    };
    const RecordLayout& layout = file.layout();
    std::vector<Place> places(std::size_t(columns.size()));
    // The columns' fields and the filter's are all a row needs.
    QList<int> read = filter.fields;
    for (const GridColumn& column : columns)
        read += column.fields;
    for (qsizetype c = 0; c < columns.size(); ++c)
        if (columns[c].fields.size() == 1)
            places[std::size_t(c)] = {layout.offset(columns[c].fields.first()),
                                      layout.width(columns[c].fields.first())};
    std::vector<QByteArrayView> cells(std::size_t(columns.size()));
    // A column that joins fields is built in a buffer of its own, as large as the joined fields can be.
    std::vector<std::vector<char>> joined(std::size_t(columns.size()));
    for (qsizetype c = 0; c < columns.size(); ++c) {
        if (places[std::size_t(c)].offset >= 0)
            continue;
        std::size_t room = 0;
        for (const int field : columns[c].fields)
            room += std::size_t(layout.width(field)) + 1;
        joined[std::size_t(c)].resize(room);
    }
    qint64 unreadable = 0;
    ScanProgress::Counter counter(progress, progress ? file.count() : 0);
    file.scan(
        [&](qint64, const RecordView& record) {
            if (filter.test) {
                const std::optional<bool> taken = filter.test(record);
                unreadable += !taken;
                if (!taken.value_or(false))
                    return counter.next();
            }
            for (std::size_t c = 0; c < places.size(); ++c) {
                if (places[c].offset >= 0) {
                    cells[c] = TextField::rawText(record.bytes() + places[c].offset, places[c].width);
                    continue;
                }
                const QList<int>& fields = columns[qsizetype(c)].fields;
                char* const begin = joined[c].data();
                char* out = begin;
                for (qsizetype f = 0; f < fields.size(); ++f) {
                    if (f > 0)
                        *out++ = ' ';
                    const QByteArrayView text = record.raw(fields[f]).trimmed();
                    std::memcpy(out, text.data(), std::size_t(text.size()));
                    out += text.size();
                }
                cells[c] = QByteArrayView(begin, out - begin);
            }
            table.appendEncodedRow(cells, QByteArrayView(record.bytes(), layout.size()));
            return counter.next();
        },
        ScanFields(layout, read));
    table.squeeze();
    return unreadable;
}

bool write(const QString& path, const QString& sheetName, const QList<GridColumn>& columns,
           const TextTable& table, ScanProgress* progress)
{
    QList<SpreadsheetColumn> header;
    header.reserve(columns.size());
    for (const GridColumn& column : columns)
        header.append({column.exportHeader, column.exportWidth});
    SpreadsheetWriter writer(path, sheetName, header);
    ScanProgress::Counter counter(progress, table.rowCount());
    for (qsizetype r = 0; r < table.rowCount(); ++r) {
        writer.addEncodedCells(table.encodedRowBytes(r));
        if (!counter.next())
            return false; // the writer's temporary file goes, the older file stays
    }
    writer.finish();
    return true;
}

} // namespace RecordGrid
