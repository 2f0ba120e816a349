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
    // Appends the grid's rows (one cell per column, without "N."). Throws StorageError; the rows added
    // so far stay.
    std::function<void(TextTable& rows)> fill;
};
