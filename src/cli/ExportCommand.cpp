#include "cli/ExportCommand.h"

#include "calls/CallGrid.h"
#include "calls/SchedaChiamata.h"
#include "cli/CommandOptions.h"
#include "cli/ScheduleListOptions.h"
#include "cli/YearOption.h"
#include "clients/ClientExport.h"
#include "clients/SchedaCliente.h"
#include "operators/OperatorExport.h"
#include "rules/ValueLists.h"
#include "platform/ProgramFolder.h"
#include "products/ProductExport.h"
#include "products/SchedaArticolo.h"
#include "schedule/SchedaScadenza.h"
#include "schedule/ScheduleExports.h"
#include "storage/RecordFile.h"
#include "storage/StorageError.h"

namespace {

struct ExportableArchive
{
    const char* name;
    QStringList options;
    // Fills the grid as the export window would and names the file and sheet it goes to; false (said on
    // err) when the options are not right.
    bool (*fill)(const CommandOptions&, TextTable&, QList<GridColumn>&, GridExport&, QTextStream& err);
    QStringList flags = {};
};

const QList<ExportableArchive>& archives()
{
    static const QList<ExportableArchive> all = {
        {"clienti", {},
         [](const CommandOptions&, TextTable& table, QList<GridColumn>& columns, GridExport& target, QTextStream&) {
             columns = ClientExport::columns();
             target = ClientExport::target();
             table = TextTable(int(columns.size()));
             const RecordFile file(ProgramFolder::file(QLatin1StringView(SchedaCliente::kFileName)),
                                   SchedaCliente::layout);
             RecordGrid::fill(file, columns, table);
             return true;
         }},
        {"operatori", {},
         [](const CommandOptions&, TextTable& table, QList<GridColumn>& columns, GridExport& target, QTextStream&) {
             columns = OperatorExport::columns();
             target = OperatorExport::target();
             table = TextTable(int(columns.size()));
             OperatorExport::definition().fill(table);
             return true;
         }},
        {"chiamate", {QStringLiteral("anno"), QStringLiteral("giorno"), QStringLiteral("mese")},
         [](const CommandOptions& options, TextTable& table, QList<GridColumn>& columns, GridExport& target,
            QTextStream& err) {
             const std::optional<QString> path = yearFile(options, SchedaChiamata::kExtension, err);
             if (!path)
                 return false;
             const QString month = options.value(QStringLiteral("mese"));
             const QString day = options.value(QStringLiteral("giorno"));
             if (!day.isEmpty() && month.isEmpty()) {
                 err << "Con --giorno indicare anche --mese\n";
                 return false;
             }
             if (!month.isEmpty() && ValueLists::monthNumber(month).isEmpty()) {
                 err << "Mese sconosciuto: " << month << '\n';
                 return false;
             }
             if (!day.isEmpty() && !ValueLists::days().contains(day)) {
                 err << "Giorno non valido (01-31): " << day << '\n';
                 return false;
             }
             const bool summary = !month.isEmpty();
             columns = summary ? CallGrid::summaryColumns() : CallGrid::registerColumns();
             target = !summary ? CallGrid::registerTarget()
                               : CallGrid::summaryTarget(day.isEmpty() ? CallGrid::Period::Month : CallGrid::Period::Day);
             table = TextTable(int(columns.size()));
             const RecordFile file(*path, SchedaChiamata::layout);
             RecordGrid::fill(file, columns, table, CallGrid::filter(options.value(QStringLiteral("anno")), month, day));
             return true;
         }},
        {"articoli", {},
         [](const CommandOptions&, TextTable& table, QList<GridColumn>& columns, GridExport& target, QTextStream&) {
             columns = ProductExport::columns();
             target = ProductExport::target();
             table = TextTable(int(columns.size()));
             const RecordFile file(ProgramFolder::file(QLatin1StringView(SchedaArticolo::kFileName)),
                                   SchedaArticolo::layout);
             RecordGrid::fill(file, columns, table);
             return true;
         }},
        // The whole year in file order, or the day, month or imminent list sorted as its window shows it.
        {"appuntamenti", kScheduleListOptions,
         [](const CommandOptions& options, TextTable& table, QList<GridColumn>& columns, GridExport& target,
            QTextStream& err) {
             if (!namesScheduleList(options)) {
                 const std::optional<QString> path = yearFile(options, SchedaScadenza::kExtension, err);
                 if (!path)
                     return false;
                 columns = ScheduleGrid::archiveColumns();
                 target = ScheduleGrid::archiveTarget();
                 table = TextTable(int(columns.size()));
                 ScheduleGrid::fillArchive(RecordFile(*path, SchedaScadenza::layout), table);
                 return true;
             }
             const std::optional<ScheduleListChoice> choice = scheduleListChoice(options, err);
             if (!choice)
                 return false;
             columns = ScheduleGrid::listColumns();
             target = ScheduleGrid::listTarget(choice->list);
             table = std::move(ScheduleExports::listRows(choice->list, choice->date).sorted.rows);
             return true;
         },
         kScheduleListFlags},
    };
    return all;
}

} // namespace

int runExport(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const QString name = arguments.value(0);
    for (const ExportableArchive& archive : archives()) {
        if (name != QLatin1StringView(archive.name))
            continue;
        const std::optional<CommandOptions> options =
            CommandOptions::parse(arguments.mid(1), archive.options, err, archive.flags);
        if (!options)
            return 2;
        TextTable table;
        QList<GridColumn> columns;
        GridExport target;
        try {
            if (!archive.fill(*options, table, columns, target, err))
                return 2;
            const QString path = ProgramFolder::file(target.fileName);
            RecordGrid::write(path, target.sheetName, columns, table);
            out << path << '\n';
        } catch (const StorageError& error) {
            err << QString::fromLocal8Bit(error.what()) << '\n';
            return 1;
        }
        return 0;
    }
    err << "Archivio sconosciuto: " << name << '\n';
    return 2;
}
