#include "cli/ScheduleCommand.h"

#include "cli/ScheduleListOptions.h"
#include "schedule/ScheduleExports.h"
#include "screens/StorageMessages.h"
#include "storage/StorageError.h"

int runSchedule(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const std::optional<CommandOptions> options =
        CommandOptions::parse(arguments, kScheduleListOptions, err, kScheduleListFlags);
    if (!options)
        return 2;
    const std::optional<ScheduleListChoice> choice = scheduleListChoice(*options, err);
    if (!choice)
        return 2;
    try {
        const ScheduleExports::ListRows rows = ScheduleExports::listRows(choice->list, choice->date);
        const TextTable& table = rows.sorted.rows;
        for (qsizetype r = 0; r < table.rowCount(); ++r) {
            out << rows.sorted.numbers.at(r);
            for (int c = 0; c < table.columnCount(); ++c)
                out << '\t' << table.cell(r, c);
            out << '\n';
        }
        if (rows.skipped > 0)
            err << StorageMessages::cardsLeftOut(rows.skipped) << '\n';
    } catch (const StorageError& error) {
        err << QString::fromLocal8Bit(error.what()) << '\n';
        return 1;
    }
    return 0;
}
