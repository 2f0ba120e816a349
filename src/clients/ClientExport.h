#pragma once

#include "screens/ExportDefinition.h"
#include "screens/RecordGrid.h"

// The client export: the grid of the export window and the columns of Clienti.xls.
namespace ClientExport {

const QList<GridColumn>& columns();
const GridExport& target();
// The export window TfrmExpClienti: its grid scans Clienti.pro in the program folder.
ExportDefinition definition();

} // namespace ClientExport
