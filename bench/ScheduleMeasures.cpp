#include "Measures.h"
#include "schedule/SchedaScadenza.h"
#include "schedule/ScheduleExports.h"
#include "schedule/ScheduleRules.h"
#include "storage/RecordFile.h"

#include <QDate>

namespace {

qint64 imminentCheckOn(const BenchArchives& archives, QDate today)
{
    const ScheduleRules::ImminentCheck check =
        ScheduleRules::checkImminent(RecordFile(archives.appointments, SchedaScadenza::layout), today);
    return check.found ? -1 : check.skipped;
}

} // namespace

qint64 Measures::imminentCheck(const BenchArchives& archives)
{
    // The first day of the next year: nothing in the file is imminent, so the check reads all of it.
    return imminentCheckOn(archives, QDate(yearOf(archives.appointments).toInt() + 1, 1, 1));
}

qint64 Measures::imminentCheckAhead(const BenchArchives& archives)
{
    // A month before the year: every date is ahead, beyond its notice of at most fifteen days, so the
    // check reads the whole file and every record's notice too.
    return imminentCheckOn(archives, QDate(yearOf(archives.appointments).toInt() - 1, 12, 1));
}

qint64 Measures::monthList(const BenchArchives& archives)
{
    const QDate day(yearOf(archives.appointments).toInt(), 6, 15);
    const ScheduleExports::ListRows rows = ScheduleExports::listRows(
        RecordFile(archives.appointments, SchedaScadenza::layout), ScheduleGrid::List::Month, day);
    return rows.sorted.rows.rowCount();
}
