#pragma once

#include "screens/HelpTopic.h"
#include "screens/RecordGrid.h"

#include <functional>

// An export window as data: its caption, its help, the grid's columns with their spreadsheet headers
// and widths, the file and worksheet it writes, and how its grid is filled when it is shown.
struct ExportDefinition
{
    QString caption;
    HelpTopic help;
    QList<GridColumn> columns;
    GridExport target;
    // Appends the grid's rows (one cell per column, without "N.") and returns how many records it left
    // out because a date, a month or a number in them could not be read; the window says so once, after
    // showing the rest. Throws StorageError; the rows added so far stay.
    std::function<qint64(TextTable& rows)> fill;
    // A grid shown in the order of this column (-1: file order); rows with equal keys keep their file
    // order and "N." keeps each row's place in file order.
    int sortColumn = -1;
};
