#include "shell/RecordGrid.h"

#include "storage/RecordFile.h"
#include "storage/SpreadsheetWriter.h"

#include <vector>

namespace RecordGrid {

void fill(const RecordFile& file, const QList<GridColumn>& columns, TextTable& table, const RecordFilter& filter)
{
    std::vector<QByteArrayView> cells(std::size_t(columns.size()));
    std::vector<QByteArray> joined(std::size_t(columns.size()));
    file.scan([&](qint64, const RecordView& record) {
        if (filter && !filter(record))
            return;
        for (qsizetype c = 0; c < columns.size(); ++c) {
            const QList<int>& fields = columns[c].fields;
            if (fields.size() == 1) {
                cells[c] = record.raw(fields.first());
                continue;
            }
            QByteArray& cell = joined[c];
            cell.clear();
            for (qsizetype f = 0; f < fields.size(); ++f) {
                if (f > 0)
                    cell.append(' ');
                cell.append(record.raw(fields[f]).trimmed());
            }
            cells[c] = cell;
        }
        table.appendEncodedRow(cells);
    });
}

void write(const QString& path, const QString& sheetName, const QList<GridColumn>& columns, const TextTable& table)
{
    QList<SpreadsheetColumn> header;
    header.reserve(columns.size());
    for (const GridColumn& column : columns)
        header.append({column.exportHeader, column.exportWidth});
    SpreadsheetWriter writer(path, sheetName, header);
    std::vector<QByteArrayView> row(std::size_t(columns.size()));
    for (qsizetype r = 0; r < table.rowCount(); ++r) {
        table.encodedRow(r, row);
        writer.addEncodedRow(row);
    }
    writer.finish();
}

} // namespace RecordGrid
