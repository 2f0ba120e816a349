#include "calls/CallGrid.h"
#include "calls/CallSearch.h"
#include "calls/SchedaChiamata.h"
#include "Measures.h"
#include "stats/MonthlyFigures.h"
#include "storage/RecordFile.h"


qint64 Measures::callSearch(const BenchArchives& archives)
{
    FieldCriteria criteria;
    criteria.add(SchedaChiamata::Cliente, u"bianchi");
    criteria.add(SchedaChiamata::Oggetto, u"OFFERTA");
    const RecordFile file(archives.calls, SchedaChiamata::layout);
    TextTable lines(1, TextTable::Cells::AsGiven);
    CallSearch::definition().run(file, criteria, lines);
    return lines.rowCount();
}

TextTable Measures::annualCallSummary(const BenchArchives& archives)
{
    const QList<GridColumn>& columns = CallGrid::summaryColumns();
    TextTable grid(int(columns.size()));
    const RecordFile file(archives.calls, SchedaChiamata::layout);
    RecordGrid::fill(file, columns, grid, CallGrid::filter(yearOf(archives.calls)));
    return grid;
}

qint64 Measures::callsChart(const BenchArchives& archives)
{
    const MonthlyTotals totals =
        MonthlyFigures::calls(RecordFile(archives.calls, SchedaChiamata::layout), yearOf(archives.calls));
    return qint64(totals.rounded()[0]);
}
