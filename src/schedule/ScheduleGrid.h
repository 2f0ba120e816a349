#pragma once

#include "screens/RecordGrid.h"

#include <optional>
#include <QDate>

// The schedule's grids: the day, month and imminent lists (twenty columns, the last the sort key
// "Codice univoco") and the export of the whole year (nineteen columns, file order).
namespace ScheduleGrid {

const QList<GridColumn>& listColumns();
const QList<GridColumn>& archiveColumns();
// The list column that holds the sort key.
inline constexpr int kKeyColumn = 19;

enum class List { Day, Month, Imminent };
const GridExport& listTarget(List list);
const GridExport& archiveTarget();

// Whether a record belongs to a list; nothing when a date or number it needs cannot be read.
using Selection = std::function<std::optional<bool>(const RecordView&)>;
// `Data` equal to the date, a `Data` that is no date being unreadable; the month's name (any case) and
// the year of the date, a `Mese` that is no month's name being unreadable; imminent on today.
Selection dayOf(QDate date);
Selection monthOf(QDate date);
Selection imminentOn(QDate today);

// Appends, in file order, the row of each record the selection takes and returns how many records it
// could not read; those are left out. Throws StorageError and leaves the rows read so far.
qint64 fillList(const RecordFile& file, const Selection& selection, TextTable& rows);
// Every record, in file order. Throws StorageError.
void fillArchive(const RecordFile& file, TextTable& rows);

} // namespace ScheduleGrid
