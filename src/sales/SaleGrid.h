#pragma once

#include "screens/RecordGrid.h"

// The sale grids: the daily, monthly and annual summaries and the register export show the same sixteen
// fields with the same widths; they differ in their files.
namespace SaleGrid {

const QList<GridColumn>& columns();

enum class Period { Day, Month, Year };
const GridExport& summaryTarget(Period period);
const GridExport& registerTarget();

// The sales of a day ("01".."31"), of a month (its name in any case) or of the whole year.
RecordFilter filter(const QString& year, const QString& month = {}, const QString& day = {});

} // namespace SaleGrid
