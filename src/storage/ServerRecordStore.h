#pragma once

#include "storage/RecordStore.h"
#include "storage/ServerNumbering.h"

#include <optional>
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class ServerConnection;
class ServerResult;

// An archive as a table on a PostgreSQL server: each field a text column (ServerRows), the rows in
// "numero" order its records (ServerNumbering), so that a row deleted by another tool hides none after
// it. Opening makes a missing table where the role may, never anything else; a search uses the indexes
// there are. Appends take the numbers after the highest inside a transaction that holds the table
// against other appends; an update reads its row with SELECT ... FOR UPDATE and writes it in the same
// transaction. A connection lost halfway leaves a record saved or not, never half, and a commit whose
// answer was lost is looked up rather than told as failed (ServerWrite).
class ServerRecordStore : public RecordStore
{
public:
    // searched: the fields whose trigram indexes a table made now gets.
    ServerRecordStore(const QString& uri, const QString& table, const RecordLayout& layout,
                      const QList<int>& searched = {});

    // Whether the server has the table, without making it.
    static bool exists(const QString& uri, const QString& table);
    // The tables of the server's current schema, by name.
    static QStringList tables(const QString& uri);

    qint64 count() const override;
    qint64 trailingBytes() const override { return 0; }
    qint64 readBlock(char* buffer, qint64 first, qint64 wanted) const override;
    // Only the fields' columns are sent, and "grezzo" for the rare record kept whole.
    qint64 readFields(char* buffer, qint64 first, qint64 wanted, const ScanFields& fields) const override;
    void overwrite(qint64 number, const Record& record) override;
    bool update(qint64 number, const std::function<bool(Record&)>& change) override;
    qint64 append(std::span<const Record> records) override;
    bool readCandidates(std::span<const FieldCriterion> criteria, const CandidateBlock& block) const override;
    QList<std::pair<qint64, qint64>> gaps() const override;

private:
    // The table's numbers as read now.
    const ServerNumbering& renumber() const;
    // The "numero" of record number n, read now; throws StorageError for a number past the last.
    qint64 numeroOf(qint64 number, const QString& operation) const;
    // Reads the rows from index first with these columns (after "numero"; "grezzo" last) into buffer.
    qint64 readRows(char* buffer, qint64 first, qint64 wanted, const QByteArray& columns,
                    const ScanFields* fields) const;
    // Writes the row into buffer as the record's bytes: every field, or only the fields read (the
    // columns after "numero" being theirs) with the others empty.
    void writeRecord(const ServerResult& rows, int row, char* buffer, const ScanFields* fields) const;
    // Writes the record over the row of that "numero".
    void writeRow(qint64 numero, const Record& record);
    // The record's values for the columns after "numero", in their order.
    QList<QByteArray> rowOf(const Record& record, bool& whole) const;
    // Sends the records, numbered from first, to the COPY under way.
    void putRows(std::span<const Record> records, qint64 first);
    // The number of the first of these records where an earlier append of them, whose outcome was
    // unknown, turns out to have committed; nothing where they are still to be written.
    std::optional<qint64> earlierAppend(const QByteArray& bytes);

    ServerConnection& m_connection;
    QString m_table;
    const RecordLayout& m_layout;
    QByteArray m_columns; // every field's column, then "grezzo"
    QByteArray m_quoted;
    bool m_counted = false; // the table's row count is kept for it
    mutable std::optional<ServerNumbering> m_numbering; // as count() last read it
};
