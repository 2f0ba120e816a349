#include "Measures.h"
#include "operators/OperatorContracts.h"
#include "operators/OperatorSearch.h"
#include "operators/SchedaOperatore.h"
#include "storage/RecordFile.h"

#include <QDate>

qint64 Measures::operatorSearch(const BenchArchives& archives)
{
    FieldCriteria criteria;
    criteria.add(SchedaOperatore::Cognome, u"rossi");
    criteria.add(SchedaOperatore::Acquisto, u"TEMPO");
    const RecordFile file(archives.staff, SchedaOperatore::layout);
    TextTable lines(1, TextTable::Cells::AsGiven);
    OperatorSearch::definition().run(file, criteria, lines);
    return lines.rowCount();
}

qint64 Measures::contractsToRenew(const BenchArchives& archives)
{
    const RecordFile file(archives.staff, SchedaOperatore::layout);
    TextTable lines(1, TextTable::Cells::AsGiven);
    OperatorContracts::list(file, QDate(2024, 6, 15), lines);
    return lines.rowCount();
}
