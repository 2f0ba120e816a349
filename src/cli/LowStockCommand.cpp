#include "cli/LowStockCommand.h"

#include "cli/CommandOptions.h"
#include "platform/ProgramFolder.h"
#include "products/ProductSearch.h"
#include "products/ProductStock.h"
#include "products/SchedaArticolo.h"
#include "screens/StorageMessages.h"
#include "storage/RecordFile.h"
#include "storage/StorageError.h"

int runLowStock(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (!CommandOptions::parse(arguments, {}, err))
        return 2;
    const SearchDefinition& list = ProductSearch::lowStock();
    TextTable lines(1, TextTable::Cells::AsGiven);
    qsizetype leftOut = 0;
    try {
        const RecordFile file(ProgramFolder::file(QLatin1StringView(SchedaArticolo::kFileName)), list.layout);
        leftOut = list.list(file, ProductStock::isLow, lines);
    } catch (const StorageError& error) {
        err << QString::fromLocal8Bit(error.what()) << '\n';
        return 1;
    }
    for (qsizetype i = 0; i < lines.rowCount(); ++i)
        out << lines.cell(i, 0) << '\n';
    if (leftOut > 0)
        err << StorageMessages::cardsLeftOut(leftOut) << '\n';
    return 0;
}
