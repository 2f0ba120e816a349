#include "schedule/ScheduleExports.h"

#include "platform/ProgramFolder.h"
#include "schedule/SchedaScadenza.h"
#include "schedule/ScheduleHelp.h"
#include "storage/RecordFile.h"

using namespace Qt::StringLiterals;

namespace ScheduleExports {

namespace {

ScheduleGrid::Selection selection(ScheduleGrid::List list, QDate date)
{
    switch (list) {
    case ScheduleGrid::List::Day:
        return ScheduleGrid::dayOf(date);
    case ScheduleGrid::List::Month:
        return ScheduleGrid::monthOf(date);
    case ScheduleGrid::List::Imminent:
        break;
    }
    return ScheduleGrid::imminentOn(date);
}

QString caption(ScheduleGrid::List list)
{
    switch (list) {
    case ScheduleGrid::List::Day:
        return u" Scadenze del giorno"_s;
    case ScheduleGrid::List::Month:
        return u" Scadenze del mese"_s;
    case ScheduleGrid::List::Imminent:
        break;
    }
    return u" Scadenze imminenti"_s;
}

} // namespace

QString yearFile(QDate date)
{
    return ProgramFolder::file(date.toString(u"yyyy"_s) + QLatin1StringView(SchedaScadenza::kExtension));
}

ExportDefinition list(ScheduleGrid::List list, QDate date)
{
    ExportDefinition definition{
        caption(list),
        list == ScheduleGrid::List::Imminent ? ScheduleHelp::imminentList()
                                             : ScheduleHelp::dayAndMonthLists(),
        ScheduleGrid::listColumns(),
        ScheduleGrid::listTarget(list),
        [list, date](TextTable& rows) {
            const RecordFile file(yearFile(date), SchedaScadenza::layout);
            return ScheduleGrid::fillList(file, selection(list, date), rows);
        },
    };
    definition.sortColumn = ScheduleGrid::kKeyColumn;
    return definition;
}

ExportDefinition archive(std::function<QString()> file)
{
    return {u" Esporta archivio Scadenzario e appuntamenti"_s, ScheduleHelp::archiveExport(),
            ScheduleGrid::archiveColumns(), ScheduleGrid::archiveTarget(), [file](TextTable& rows) -> qint64 {
                const RecordFile opened(file(), SchedaScadenza::layout);
                ScheduleGrid::fillArchive(opened, rows);
                return 0;
            }};
}

ListRows listRows(ScheduleGrid::List list, QDate date)
{
    return listRows(RecordFile(yearFile(date), SchedaScadenza::layout), list, date);
}

ListRows listRows(const RecordFile& file, ScheduleGrid::List list, QDate date)
{
    TextTable rows(int(ScheduleGrid::listColumns().size()));
    const qint64 skipped = ScheduleGrid::fillList(file, selection(list, date), rows);
    return {GridSort::byColumn(std::move(rows), ScheduleGrid::kKeyColumn), skipped};
}

} // namespace ScheduleExports
