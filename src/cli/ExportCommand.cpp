#include "cli/ExportCommand.h"

#include "calls/CallGrid.h"
#include "calls/SchedaChiamata.h"
#include "cli/CommandOptions.h"
#include "cli/ScheduleListOptions.h"
#include "cli/YearOption.h"
#include "clients/ClientExport.h"
#include "clients/SchedaCliente.h"
#include "operators/OperatorExport.h"
#include "platform/ProgramFolder.h"
#include "products/ProductExport.h"
#include "products/SchedaArticolo.h"
#include "rules/ValueLists.h"
#include "sales/SaleGrid.h"
#include "sales/SchedaVendita.h"
#include "schedule/SchedaScadenza.h"
#include "schedule/ScheduleExports.h"
#include "screens/StorageMessages.h"
#include "storage/RecordFile.h"
#include "storage/StorageError.h"

namespace {

// A grid as an export window fills it, the file and sheet it goes to, and the records it left out
// because a date, a number or a month in them could not be read.
struct FilledGrid
{
    TextTable table;
    QList<GridColumn> columns;
    GridExport target;
    qint64 leftOut = 0;
};

struct ExportableArchive
{
    const char* name;
    QStringList options;
    // Fills the grid as the export window would; false (said on err) when the options are not right.
    bool (*fill)(const CommandOptions&, FilledGrid&, QTextStream& err);
    QStringList flags = {};
};

// A register's grids as its windows export them: the summaries of a day or a month, or the whole year.
struct RegisterGrids
{
    const char* extension;
    const RecordLayout& layout;
    QList<GridColumn> summaryColumns;
    QList<GridColumn> registerColumns;
    GridExport dayTarget;
    GridExport monthTarget;
    GridExport registerTarget;
    RecordFilter (*filter)(const QString& year, const QString& month, const QString& day);
};

const RegisterGrids& callGrids()
{
    static const RegisterGrids grids{SchedaChiamata::kExtension,
                                     SchedaChiamata::layout,
                                     CallGrid::summaryColumns(),
                                     CallGrid::registerColumns(),
                                     CallGrid::summaryTarget(CallGrid::Period::Day),
                                     CallGrid::summaryTarget(CallGrid::Period::Month),
                                     CallGrid::registerTarget(),
                                     CallGrid::filter};
    return grids;
}

const RegisterGrids& saleGrids()
{
    static const RegisterGrids grids{SchedaVendita::kExtension,
                                     SchedaVendita::layout,
                                     SaleGrid::columns(),
                                     SaleGrid::columns(),
                                     SaleGrid::summaryTarget(SaleGrid::Period::Day),
                                     SaleGrid::summaryTarget(SaleGrid::Period::Month),
                                     SaleGrid::registerTarget(),
                                     SaleGrid::filter};
    return grids;
}

QStringList registerOptions()
{
    return {QStringLiteral("anno"), QStringLiteral("giorno"), QStringLiteral("mese")};
}

// --anno alone: the register export; with --mese the monthly summary, with --giorno too the daily one.
bool fillRegister(const RegisterGrids& grids, const CommandOptions& options, FilledGrid& grid,
                  QTextStream& err)
{
    const std::optional<QString> path = yearFile(options, grids.extension, err);
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
    grid.columns = summary ? grids.summaryColumns : grids.registerColumns;
    grid.target = !summary ? grids.registerTarget : day.isEmpty() ? grids.monthTarget : grids.dayTarget;
    grid.table = TextTable(int(grid.columns.size()));
    const RecordFile file(*path, grids.layout);
    grid.leftOut = RecordGrid::fill(file, grid.columns, grid.table,
                                    grids.filter(options.value(QStringLiteral("anno")), month, day));
    return true;
}

const QList<ExportableArchive>& archives()
{
    static const QList<ExportableArchive> all = {
        {"clienti",
         {},
         [](const CommandOptions&, FilledGrid& grid, QTextStream&) {
             grid.columns = ClientExport::columns();
             grid.target = ClientExport::target();
             grid.table = TextTable(int(grid.columns.size()));
             const RecordFile file(ProgramFolder::file(QLatin1StringView(SchedaCliente::kFileName)),
                                   SchedaCliente::layout);
             grid.leftOut = RecordGrid::fill(file, grid.columns, grid.table);
             return true;
         }},
        {"operatori",
         {},
         [](const CommandOptions&, FilledGrid& grid, QTextStream&) {
             grid.columns = OperatorExport::columns();
             grid.target = OperatorExport::target();
             grid.table = TextTable(int(grid.columns.size()));
             grid.leftOut = OperatorExport::definition().fill(grid.table);
             return true;
         }},
        {"chiamate", registerOptions(),
         [](const CommandOptions& options, FilledGrid& grid, QTextStream& err) {
             return fillRegister(callGrids(), options, grid, err);
         }},
        {"vendite", registerOptions(),
         [](const CommandOptions& options, FilledGrid& grid, QTextStream& err) {
             return fillRegister(saleGrids(), options, grid, err);
         }},
        {"articoli",
         {},
         [](const CommandOptions&, FilledGrid& grid, QTextStream&) {
             grid.columns = ProductExport::columns();
             grid.target = ProductExport::target();
             grid.table = TextTable(int(grid.columns.size()));
             const RecordFile file(ProgramFolder::file(QLatin1StringView(SchedaArticolo::kFileName)),
                                   SchedaArticolo::layout);
             grid.leftOut = RecordGrid::fill(file, grid.columns, grid.table);
             return true;
         }},
        // The whole year in file order, or the day, month or imminent list sorted as its window shows it.
        {"appuntamenti", kScheduleListOptions,
         [](const CommandOptions& options, FilledGrid& grid, QTextStream& err) {
             if (!namesScheduleList(options)) {
                 const std::optional<QString> path = yearFile(options, SchedaScadenza::kExtension, err);
                 if (!path)
                     return false;
                 grid.columns = ScheduleGrid::archiveColumns();
                 grid.target = ScheduleGrid::archiveTarget();
                 grid.table = TextTable(int(grid.columns.size()));
                 ScheduleGrid::fillArchive(RecordFile(*path, SchedaScadenza::layout), grid.table);
                 return true;
             }
             const std::optional<ScheduleListChoice> choice = scheduleListChoice(options, err);
             if (!choice)
                 return false;
             grid.columns = ScheduleGrid::listColumns();
             grid.target = ScheduleGrid::listTarget(choice->list);
             ScheduleExports::ListRows rows = ScheduleExports::listRows(choice->list, choice->date);
             grid.table = std::move(rows.sorted.rows);
             grid.leftOut = rows.skipped;
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
        FilledGrid grid;
        try {
            if (!archive.fill(*options, grid, err))
                return 2;
            const QString path = ProgramFolder::file(grid.target.fileName);
            RecordGrid::write(path, grid.target.sheetName, grid.columns, grid.table);
            out << path << '\n';
            if (grid.leftOut > 0)
                err << StorageMessages::cardsLeftOut(grid.leftOut) << '\n';
        } catch (const StorageError& error) {
            err << QString::fromLocal8Bit(error.what()) << '\n';
            return 1;
        }
        return 0;
    }
    err << "Archivio sconosciuto: " << name << '\n';
    return 2;
}
