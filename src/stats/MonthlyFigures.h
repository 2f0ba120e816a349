#pragma once

#include "screens/MonthlyTotals.h"

#include <QString>

class RecordFile;

// What the two monthly charts draw, read from one year file: only records dated in that year count.
namespace MonthlyFigures {

// The income of each month: the sum of Importo of the sales dated in it. A sale whose amount cannot be
// read is left out and counted.
MonthlyTotals income(const RecordFile& sales, const QString& year);

// The calls of each month: how many call records are dated in it.
MonthlyTotals calls(const RecordFile& calls, const QString& year);

} // namespace MonthlyFigures
