#pragma once

#include "screens/HelpTopic.h"
#include "screens/RecordGrid.h"

#include <functional>

class RecordLayout;

// A summary window of a register as data: its caption and help, the grid's columns with their
// spreadsheet headers and widths, the file it writes, what is chosen before the grid is shown, and
// which records of the year file belong to a chosen day, month or the whole year.
struct SummaryDefinition
{
    // The selection panel: day and month, month only, or none (the whole year, shown at once).
    enum class Selection { DayAndMonth, Month, None };

    Selection selection;
    QString caption;
    HelpTopic help;
    const RecordLayout& layout;
    QList<GridColumn> columns;
    GridExport target;
    // The records of year, of the month ("gennaio".."dicembre", empty for all) and of the day ("01".."31",
    // empty for all).
    std::function<RecordFilter(const QString& year, const QString& month, const QString& day)> filter;
};
