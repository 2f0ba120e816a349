#pragma once

#include "BenchArchives.h"

#include <QString>

// Each measure does its whole job once and returns what it found (records matched, bytes read), which
// the table prints so that a measure that does nothing shows.
namespace Measures {

// The yardstick: read() of the whole file into user memory in 1 MiB blocks; returns the bytes read.
qint64 plainRead(const QString& path);

// Client search with two criteria ("Cognome e nome" contains "Rossi", "Comune di residenza" contains
// "ROMA", case ignored): through RecordFile::scan, touching only the two fields of each record.
qint64 clientSearchScan(const BenchArchives& archives);
// The same search done the simple way: one read() per record.
qint64 clientSearchPerRecord(const BenchArchives& archives);
// The same filter in SQLite over the loaded table: LIKE, and instr(lower(...)).
qint64 clientSearchSqliteLike(const BenchArchives& archives);
qint64 clientSearchSqliteInstr(const BenchArchives& archives);

// A two-criteria scan of the call year file (client and operator).
qint64 callScan(const BenchArchives& archives);

} // namespace Measures
