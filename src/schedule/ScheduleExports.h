#pragma once

#include "schedule/ScheduleGrid.h"
#include "screens/ExportDefinition.h"
#include "screens/GridSort.h"

#include <QDate>

class RecordFile;

// The schedule's grid windows as data, and their rows as the companion prints them.
namespace ScheduleExports {

// The year file of a date's year in the program folder.
QString yearFile(QDate date);

// The day or month list of a date (the year of its file is the date's), or the imminent list on today
// (the current year's file): sorted by date and time.
ExportDefinition list(ScheduleGrid::List list, QDate date);
// Every appointment of the year file, in file order.
ExportDefinition archive(std::function<QString()> file);

struct ListRows
{
    GridSort::SortedRows sorted;
    qint64 skipped = 0;
};
// The rows a list window shows. Throws StorageError.
ListRows listRows(ScheduleGrid::List list, QDate date);
// The same from a given year file.
ListRows listRows(const RecordFile& file, ScheduleGrid::List list, QDate date);

} // namespace ScheduleExports
