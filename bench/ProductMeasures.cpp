#include "Measures.h"
#include "products/ProductSearch.h"
#include "products/ProductStock.h"
#include "products/SchedaArticolo.h"
#include "storage/RecordFile.h"

qint64 Measures::productSearch(const BenchArchives& archives)
{
    FieldCriteria criteria;
    criteria.add(SchedaArticolo::Marca, u"samsung");
    criteria.add(SchedaArticolo::Modello, u"GALAXY");
    const RecordFile file(archives.products, SchedaArticolo::layout);
    TextTable lines(1, TextTable::Cells::AsGiven);
    ProductSearch::definition().run(file, criteria, lines);
    return lines.rowCount();
}

qint64 Measures::lowStockList(const BenchArchives& archives)
{
    const RecordFile file(archives.products, SchedaArticolo::layout);
    TextTable lines(1, TextTable::Cells::AsGiven);
    ProductSearch::lowStock().list(file, ProductStock::isLow, lines);
    return lines.rowCount();
}
