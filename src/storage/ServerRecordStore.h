#pragma once

#include "storage/RecordStore.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class ServerConnection;
class ServerResult;

// An archive as a table on a PostgreSQL server: the record number is the key ("numero"), each field a
// text column (ServerRows). The table is made at first use, as a missing file is. Appends take the next
// numbers inside a transaction that holds the table against other appends; an update reads its row with
// SELECT ... FOR UPDATE and writes it in the same transaction; an overwrite is one statement. So a
// connection lost halfway leaves a record saved or not, never half.
class ServerRecordStore : public RecordStore
{
public:
    ServerRecordStore(const QString& uri, const QString& table, const RecordLayout& layout);

    // Whether the server has the table, without making it.
    static bool exists(const QString& uri, const QString& table);
    // The tables of the server's current schema, by name.
    static QStringList tables(const QString& uri);

    qint64 count() const override;
    qint64 trailingBytes() const override { return 0; }
    qint64 readBlock(char* buffer, qint64 first, qint64 wanted) const override;
    void overwrite(qint64 number, const Record& record) override;
    bool update(qint64 number, const std::function<bool(Record&)>& change) override;
    qint64 append(std::span<const Record> records) override;
    bool readCandidates(std::span<const FieldCriterion> criteria, const CandidateBlock& block) const override;

private:
    void create();
    // Makes the trigram index of a field's column, so that a search on it is answered by the index; once
    // per column, and never again where the server cannot (pg_trgm missing, no right to add it).
    void indexForSearch(int field) const;
    // Writes the row into buffer as the record's bytes.
    void writeRecord(const ServerResult& rows, int row, char* buffer) const;
    // The record's values for the columns after "numero", in their order.
    QList<QByteArray> rowOf(const Record& record, bool& whole) const;
    // Sends the records, numbered from first, to the COPY under way.
    void putRows(std::span<const Record> records, qint64 first);

    ServerConnection& m_connection;
    QString m_table;
    const RecordLayout& m_layout;
    QByteArray m_columns; // every field's column, then "grezzo"
    QByteArray m_quoted;
};
