#pragma once

#include "screens/TextTable.h"
#include "storage/Record.h"

#include <functional>
#include <optional>
#include <QList>
#include <QString>

class RecordFile;
class ScanProgress;

// A grid over an archive: which fields each column shows and how it is exported. The grids of the
// export windows and of the summaries are tables of these columns; the row-number column "N." is the
// window's and is never exported.
struct GridColumn
{
    QString header;     // shown over the grid
    int gridWidth;      // pixels on screen
    QList<int> fields;  // the record fields shown, each trimmed, joined by one blank
    QString exportHeader;
    int exportWidth;
};

struct GridExport
{
    QString sheetName;
    QString fileName;
};

// Whether a record is taken; nothing when a field it is chosen by cannot be read (a date, a month's name,
// a number): such a record is left out and counted, never taken for another's. fields: every field the
// test reads, the only ones a scan for it fetches besides the grid's.
struct RecordFilter
{
    std::function<std::optional<bool>(const RecordView&)> test;
    QList<int> fields;
};

namespace RecordGrid {

// Appends to table (one column per grid column) a row for each record the filter takes, in file order,
// and returns how many records it could not read. progress, when given, is told at each slice and may
// stop the scan part way. A failure throws StorageError and leaves the rows read so far.
qint64 fill(const RecordFile& file, const QList<GridColumn>& columns, TextTable& table,
            const RecordFilter& filter = {}, ScanProgress* progress = nullptr);

// Writes the grid's rows to a spreadsheet file with the export headers and widths, telling progress
// (when given) at each slice of rows. Returns false when progress stopped it: an older file of that name
// then stays as it was. Throws StorageError.
bool write(const QString& path, const QString& sheetName, const QList<GridColumn>& columns,
           const TextTable& table, ScanProgress* progress = nullptr);

} // namespace RecordGrid
