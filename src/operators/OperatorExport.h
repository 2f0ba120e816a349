#pragma once

#include "screens/ExportDefinition.h"
#include "screens/RecordGrid.h"

// The operators export: the grid of the export window and the columns of Personale_Interno.xls.
namespace OperatorExport {

const QList<GridColumn>& columns();
const GridExport& target();
// The export window TfrmExpIstruttori: its grid scans Dipendenti.pro in the program folder.
ExportDefinition definition();

} // namespace OperatorExport
