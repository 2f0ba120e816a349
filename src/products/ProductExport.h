#pragma once

#include "screens/ExportDefinition.h"
#include "screens/RecordGrid.h"

// The product export: the grid of the export window and the columns of Magazzino.xls.
namespace ProductExport {

const QList<GridColumn>& columns();
const GridExport& target();
// The export window TfrmExpMagazzino: its grid scans Magazzino.pro in the program folder.
ExportDefinition definition();

} // namespace ProductExport
