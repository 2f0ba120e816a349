#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <utility>

class ServerConnection;

// How the rows of an archive's table are its records: in "numero" order, the first row is record 1,
// the next record 2, and so on. The program never deletes a row, but other tools may: the cards after a
// missing number then come one number earlier, and every reader still reads every row there is.
class ServerNumbering
{
public:
    // The numbers of the table now: one statement where they run 1, 2, ... without a gap, two where not.
    // counted: the table's row count is kept for it (ServerTables), so that the first reads no row.
    static ServerNumbering of(ServerConnection& connection, const QString& table, bool counted,
                              const QString& archive);

    qint64 count() const { return m_count; }
    // The highest "numero", 0 for an empty table: an append takes the one after it.
    qint64 last() const { return m_last; }
    // The "numero" of the record at a 0-based index below count(), and the index of a "numero" there is.
    qint64 numeroAt(qint64 index) const;
    qint64 indexOf(qint64 numero) const;
    // The numbers missing from 1 to last(), as ranges from first to last.
    QList<std::pair<qint64, qint64>> gaps() const;

private:
    // A row whose "numero" does not follow the row before's: where a run of numbers starts.
    struct Run
    {
        qint64 numero;
        qint64 index;
    };
    QList<Run> m_runs;
    qint64 m_count = 0;
    qint64 m_last = 0;
};
