#pragma once

#include "shell/RecordGrid.h"

// The client export: the grid of the export window and the columns of Clienti.xls.
namespace ClientExport {

const QList<GridColumn>& columns();
const GridExport& target();

} // namespace ClientExport
