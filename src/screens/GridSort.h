#pragma once

#include "screens/TextTable.h"

#include <QList>

// A grid put in the order of one of its columns after it was filled in file order.
namespace GridSort {

struct SortedRows
{
    TextTable rows;
    // Each row's place in file order (1 for the first row filled): the grid's "N." after the sort.
    QList<qint64> numbers;
};

// The rows in ascending byte order of the key column's text; rows with equal keys keep their file order,
// so the same archive always gives the same grid. The table itself is put in that order.
SortedRows byColumn(TextTable rows, int keyColumn);

} // namespace GridSort
