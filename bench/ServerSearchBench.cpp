// telvara-bench-server: the same searches and year-wide scans (charts, summaries, register grids) over the
// record files and over a PostgreSQL server holding the same archives, side by side, each against the
// plain read of its file, on the wall clock (the server's work is done in its own processes), best of
// several runs.

#include "app/ArchiveCatalog.h"
#include "app/ArchiveServerSetting.h"
#include "BenchArchives.h"
#include "calls/CallGrid.h"
#include "calls/CallSearch.h"
#include "calls/SchedaChiamata.h"
#include "clients/SchedaCliente.h"
#include "Measures.h"
#include "sales/SaleGrid.h"
#include "sales/SchedaVendita.h"
#include "screens/FieldCriteria.h"
#include "screens/RecordGrid.h"
#include "screens/SearchDefinition.h"
#include "stats/MonthlyFigures.h"
#include "stats/ProfitSummary.h"
#include "storage/FileRecordStore.h"
#include "storage/RecordCopy.h"
#include "storage/RecordFile.h"
#include "storage/ServerConnection.h"
#include "storage/ServerRecordStore.h"
#include "storage/ServerTables.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

struct Timing
{
    double seconds = 1e9;
    qint64 result = 0;
};

// The best of runs of work, wall clock.
Timing best(int runs, const std::function<qint64()>& work)
{
    Timing fastest;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const qint64 result = work();
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        if (seconds < fastest.seconds)
            fastest = {seconds, result};
    }
    return fastest;
}

QString option(const QStringList& arguments, const QString& name, const QString& fallback = {})
{
    const qsizetype at = arguments.indexOf(name);
    return at >= 0 && at + 1 < arguments.size() ? arguments[at + 1] : fallback;
}

// Copies one archive of the bench's folder into its table on the server and makes the indexes its
// searches use, as the copy command does; returns the seconds taken.
double copyToServer(const QString& path, const QString& uri, const QString& table, const RecordLayout& layout)
{
    QElapsedTimer timer;
    timer.start();
    const FileRecordStore from(path, layout);
    ServerRecordStore to(uri, table, layout);
    if (to.count() == 0)
        copyRecords(from, to, layout);
    const QString fileName = QFileInfo(path).fileName();
    ServerTables::complete(ServerConnection::to(uri), table, layout, ArchiveCatalog::searchedFields(fileName));
    return double(timer.nsecsElapsed()) / 1e9;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    const QString uri = option(arguments, QStringLiteral("--uri"));
    if (uri.isEmpty()) {
        std::fprintf(stderr, "uso: telvara-bench-server --uri URI [--folder F] [--clients N] [--calls N] [--repeat N]\n");
        return 2;
    }
    const int clients = option(arguments, QStringLiteral("--clients"), QStringLiteral("200000")).toInt();
    const int calls = option(arguments, QStringLiteral("--calls"), QStringLiteral("1000000")).toInt();
    const int runs = option(arguments, QStringLiteral("--repeat"), QStringLiteral("10")).toInt() + 1;
    QTemporaryDir temporary;
    const QString folder = option(arguments, QStringLiteral("--folder"), temporary.path());

    BenchArchives files;
    files.generate(folder, clients, calls, arguments.contains(QStringLiteral("--reuse")));
    const double clientCopy = copyToServer(files.clients, uri, QStringLiteral("clienti"), SchedaCliente::layout);
    const double callCopy = copyToServer(files.calls, uri, QStringLiteral("chiamate_2024"), SchedaChiamata::layout);
    std::printf("%d clients and %d calls copied to the server in %.1f s and %.1f s\n", clients, calls,
                clientCopy, callCopy);
    const int sales = option(arguments, QStringLiteral("--sales"), QString::number(calls)).toInt();
    files.generateSales(sales, arguments.contains(QStringLiteral("--reuse")));
    const double saleCopy =
        copyToServer(files.sales, uri, QStringLiteral("vendite_2024"), SchedaVendita::layout);
    std::printf("%d sales copied to the server in %.1f s\n", sales, saleCopy);

    // The same archives on the server: a second folder whose archives are its tables.
    QTemporaryDir serverFolder;
    ArchiveServerSetting::attach(serverFolder.path(), uri);
    BenchArchives onServer = files;
    onServer.clients = QDir(serverFolder.path()).filePath(QFileInfo(files.clients).fileName());
    onServer.calls = QDir(serverFolder.path()).filePath(QFileInfo(files.calls).fileName());
    onServer.sales = QDir(serverFolder.path()).filePath(QFileInfo(files.sales).fileName());
    // A first search of each kind before anything is timed, as for the files.
    Measures::clientSearchScan(onServer);
    Measures::callSearch(onServer);

    struct Search
    {
        const char* name;
        QString BenchArchives::*file;
        std::function<qint64(const BenchArchives&)> run;
    };
    // One client's calls, by name and tax code, as an operator looks them up: the client of the call in
    // the middle of the file.
    const Record middle = RecordFile(files.calls, SchedaChiamata::layout).read(calls / 2);
    const QString name = middle.text(SchedaChiamata::Cliente);
    const QString taxCode = middle.text(SchedaChiamata::CodFisc);
    const auto oneClientsCalls = [&](const BenchArchives& archives) {
        FieldCriteria criteria;
        criteria.add(SchedaChiamata::Cliente, name.toUpper());
        criteria.add(SchedaChiamata::CodFisc, taxCode.toLower());
        TextTable lines(1, TextTable::Cells::AsGiven);
        CallSearch::definition().run(RecordFile(archives.calls, SchedaChiamata::layout), criteria, lines);
        return qint64(lines.rowCount());
    };
    oneClientsCalls(onServer);
    // The year-wide scans read a few fields of every record; the whole read is what each cost before a
    // server sent only the columns read.
    const auto wholeRead = [](const QString& path, const RecordLayout& layout) {
        qint64 records = 0;
        RecordFile(path, layout).scan([&](qint64, const RecordView&) { ++records; });
        return records;
    };
    const auto grid = [](const QString& path, const RecordLayout& layout, const QList<GridColumn>& columns,
                         const RecordFilter& filter) {
        TextTable table(int(columns.size()));
        RecordGrid::fill(RecordFile(path, layout), columns, table, filter);
        return qint64(table.rowCount());
    };
    const QString year = QStringLiteral("2024");
    const Search searches[] = {
        {"client search, 2 criteria (Rossi, ROMA)", &BenchArchives::clients, Measures::clientSearchScan},
        {"call search, 2 criteria (bianchi, OFFERTA)", &BenchArchives::calls, Measures::callSearch},
        {"call search, one client (name, tax code)", &BenchArchives::calls, oneClientsCalls},
        {"calls, every field of every record", &BenchArchives::calls,
         [&](const BenchArchives& archives) { return wholeRead(archives.calls, SchedaChiamata::layout); }},
        {"calls chart (month of each call)", &BenchArchives::calls,
         [&](const BenchArchives& archives) {
             return qint64(
                 MonthlyFigures::calls(RecordFile(archives.calls, SchedaChiamata::layout), year).totals[0]);
         }},
        {"annual calls summary (grid of the year)", &BenchArchives::calls,
         [&](const BenchArchives& archives) {
             return grid(archives.calls, SchedaChiamata::layout, CallGrid::summaryColumns(),
                         CallGrid::filter(year));
         }},
        {"calls register export (grid of the year)", &BenchArchives::calls,
         [&](const BenchArchives& archives) {
             return grid(archives.calls, SchedaChiamata::layout, CallGrid::registerColumns(),
                         CallGrid::filter(year));
         }},
        {"sales, every field of every record", &BenchArchives::sales,
         [&](const BenchArchives& archives) { return wholeRead(archives.sales, SchedaVendita::layout); }},
        {"income chart (month and amount)", &BenchArchives::sales,
         [&](const BenchArchives& archives) {
             return qint64(
                 MonthlyFigures::income(RecordFile(archives.sales, SchedaVendita::layout), year).totals[0]);
         }},
        {"profit summary, whole year", &BenchArchives::sales,
         [&](const BenchArchives& archives) {
             ProfitSummary::Result result;
             ProfitSummary::collect(RecordFile(archives.sales, SchedaVendita::layout),
                                    {{}, {}, QDate(2024, 1, 1), QDate(2024, 12, 31)}, result);
             return qint64(result.records.size());
         }},
        {"annual sales summary (grid of the year)", &BenchArchives::sales,
         [&](const BenchArchives& archives) {
             return grid(archives.sales, SchedaVendita::layout, SaleGrid::columns(), SaleGrid::filter(year));
         }},
    };
    std::printf("Wall clock, best of %d runs, hot cache; ratio = time / plain read of the file\n\n", runs);
    std::printf("%-44s %9s %9s %9s %9s %9s %7s\n", "search", "read s", "file s", "file x", "server s", "server x",
                "found");
    for (const Search& search : searches) {
        const Timing read = best(runs, [&] { return Measures::plainRead(files.*search.file); });
        const Timing scan = best(runs, [&] { return search.run(files); });
        const Timing server = best(runs, [&] { return search.run(onServer); });
        std::printf("%-44s %9.4f %9.4f %9.2f %9.4f %9.3f %7lld%s\n", search.name, read.seconds, scan.seconds,
                    scan.seconds / read.seconds, server.seconds, server.seconds / read.seconds,
                    static_cast<long long>(server.result), scan.result == server.result ? "" : "  DIFFERENT");
    }
    return 0;
}
