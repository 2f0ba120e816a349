#pragma once

#include "BenchArchives.h"
#include "screens/TextTable.h"

#include <QFileInfo>
#include <QString>

// Each measure does its whole job once and returns what it found (records matched, bytes read), which
// the table prints so that a measure that does nothing shows.
namespace Measures {

// The year of a year file ("2024.tel" gives "2024").
inline QString yearOf(const QString& path)
{
    return QFileInfo(path).completeBaseName();
}

// The yardstick: read() of the whole file into user memory in 1 MiB blocks; returns the bytes read.
qint64 plainRead(const QString& path);

// Client search with two criteria ("Cognome e nome" contains "Rossi", "Comune di residenza" contains
// "ROMA", case ignored), as the search window runs it: a scan that touches only the two fields of each
// record and builds the lines of the cards found.
qint64 clientSearchScan(const BenchArchives& archives);
// The same search done the simple way: one read() per record.
qint64 clientSearchPerRecord(const BenchArchives& archives);
// The same filter in SQLite over the loaded table: LIKE, and instr(lower(...)).
qint64 clientSearchSqliteLike(const BenchArchives& archives);
qint64 clientSearchSqliteInstr(const BenchArchives& archives);

// The call search with two criteria (client and subject) as the window runs it.
qint64 callSearch(const BenchArchives& archives);
// The grid of the annual call summary: every call of the file's year, sixteen columns.
TextTable annualCallSummary(const BenchArchives& archives);
// The twelve monthly counts of the calls chart; returns January's.
qint64 callsChart(const BenchArchives& archives);

// The grid of the client export window, and the grid plus Clienti.xls written from it.
TextTable clientExportGrid(const BenchArchives& archives);
qint64 clientExport(const BenchArchives& archives, TextTable& grid);

// The product search with two criteria (brand "samsung", model "GALAXY") and the low-stock list, as
// their windows run them.
qint64 productSearch(const BenchArchives& archives);
qint64 lowStockList(const BenchArchives& archives);

// The operator search with two criteria (surname "rossi", contract type "TEMPO") and the contracts to
// renew on the day the staff was generated for, as their windows run them.
qint64 operatorSearch(const BenchArchives& archives);
qint64 contractsToRenew(const BenchArchives& archives);

// The sale search with two criteria (client "bianchi", type "ROUTER") as the window runs it, and the
// grid of the annual sale summary: every sale of the file's year, sixteen columns.
qint64 saleSearch(const BenchArchives& archives);
TextTable annualSaleSummary(const BenchArchives& archives);
// The profit summary of the whole year (no tax code, no article): a line for every sale and the total.
qint64 yearProfitSummary(const BenchArchives& archives);
// The twelve monthly sums of the income chart; returns January's.
qint64 incomeChart(const BenchArchives& archives);

// The imminent check of the schedule on a day when nothing is imminent (it reads the whole file: its
// longest run), after every date and before every date (then the notices are read too), returning the
// records it could not read; and the month list of June, filtered and sorted as its window shows it.
qint64 imminentCheck(const BenchArchives& archives);
qint64 imminentCheckAhead(const BenchArchives& archives);
qint64 monthList(const BenchArchives& archives);

// What the machine itself costs, for reading the figures above: mapping a whole file (one byte read
// every 64 KiB, so each fault maps its neighbourhood), reaching every field a grid shows, and fresh
// memory, every page written once (the block is kept until releaseFreshMemory, as a grid is kept until
// its window closes).
qint64 mapOnly(const QString& path);
// The scan of the annual call summary reading only the length byte of each field its grid shows.
qint64 touchSummaryFields(const BenchArchives& archives);
qint64 freshMemory(qsizetype bytes);
void releaseFreshMemory();

} // namespace Measures
