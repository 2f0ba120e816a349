#pragma once

#include "screens/RecordGrid.h"

// The call grids: the daily, monthly and annual summaries and the register export show the same sixteen
// fields; the summaries and the register export differ in some widths and in their files.
namespace CallGrid {

const QList<GridColumn>& summaryColumns();
const QList<GridColumn>& registerColumns();

enum class Period { Day, Month, Year };
const GridExport& summaryTarget(Period period);
const GridExport& registerTarget();

// The calls of a day ("01".."31"), of a month (its name in any case) or of the whole year, compared as
// the summaries do: day and month trimmed and lower-cased, the year trimmed.
RecordFilter filter(const QString& year, const QString& month = {}, const QString& day = {});

} // namespace CallGrid
