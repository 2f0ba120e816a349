#pragma once

#include "storage/RecordLayout.h"

#include <functional>
#include <QList>
#include <QString>

class ServerConnection;

// Making an archive's table on a server, with the indexes its searches use. Done once, by whoever may
// (the preparing command, a copy, or a workstation whose role may create tables), never by a search:
// the workstations then need only SELECT, INSERT and UPDATE.
namespace ServerTables {

// Tells each step under way, in Italian.
using Progress = std::function<void(const QString& step)>;

// Makes the table with its key, the index of the records kept whole and its row count (kept by
// triggers in the table "telvara_righe", so that counting the records reads no row), when missing;
// every workstation takes the same lock to make one, so two never collide. Throws StorageError: where the role may not
// create the table, a message naming the server and what to run.
void make(ServerConnection& connection, const QString& table, const RecordLayout& layout);

// Makes what the table lacks: its row count, the trigram index of each searched field (where the
// server has or lets one add pg_trgm; without it searches read the table); then ANALYZE, so that the
// planner knows the table.
void complete(ServerConnection& connection, const QString& table, const RecordLayout& layout,
              const QList<int>& searched, const Progress& progress = {});

// Whether the table's row count is kept (complete() makes it so).
bool counted(ServerConnection& connection, const QString& table);

} // namespace ServerTables
