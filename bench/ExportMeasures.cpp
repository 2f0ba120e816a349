#include "clients/ClientExport.h"
#include "clients/SchedaCliente.h"
#include "Measures.h"
#include "storage/RecordFile.h"

#include <QDir>

TextTable Measures::clientExportGrid(const BenchArchives& archives)
{
    const QList<GridColumn>& columns = ClientExport::columns();
    TextTable grid(int(columns.size()));
    const RecordFile file(archives.clients, SchedaCliente::layout);
    RecordGrid::fill(file, columns, grid);
    return grid;
}

qint64 Measures::clientExport(const BenchArchives& archives, TextTable& grid)
{
    grid = clientExportGrid(archives);
    RecordGrid::write(QDir(archives.folder).filePath(ClientExport::target().fileName),
                      ClientExport::target().sheetName, ClientExport::columns(), grid);
    return grid.rowCount();
}
