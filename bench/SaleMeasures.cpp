#include "Measures.h"
#include "sales/SaleGrid.h"
#include "sales/SaleSearch.h"
#include "sales/SchedaVendita.h"
#include "stats/MonthlyFigures.h"
#include "stats/ProfitSummary.h"
#include "storage/RecordFile.h"


qint64 Measures::saleSearch(const BenchArchives& archives)
{
    FieldCriteria criteria;
    criteria.add(SchedaVendita::Cliente, u"bianchi");
    criteria.add(SchedaVendita::Tipologia, u"ROUTER");
    const RecordFile file(archives.sales, SchedaVendita::layout);
    TextTable lines(1, TextTable::Cells::AsGiven);
    SaleSearch::definition().run(file, criteria, lines);
    return lines.rowCount();
}

TextTable Measures::annualSaleSummary(const BenchArchives& archives)
{
    const QList<GridColumn>& columns = SaleGrid::columns();
    TextTable grid(int(columns.size()));
    const RecordFile file(archives.sales, SchedaVendita::layout);
    RecordGrid::fill(file, columns, grid, SaleGrid::filter(yearOf(archives.sales)));
    return grid;
}

qint64 Measures::yearProfitSummary(const BenchArchives& archives)
{
    const int year = yearOf(archives.sales).toInt();
    const ProfitSummary::Selection selection{{}, {}, QDate(year, 1, 1), QDate(year, 12, 31)};
    ProfitSummary::Result result;
    ProfitSummary::collect(RecordFile(archives.sales, SchedaVendita::layout), selection, result);
    return result.records.size();
}

qint64 Measures::incomeChart(const BenchArchives& archives)
{
    const MonthlyTotals totals =
        MonthlyFigures::income(RecordFile(archives.sales, SchedaVendita::layout), yearOf(archives.sales));
    return qint64(totals.rounded()[0]);
}
