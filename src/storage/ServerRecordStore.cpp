#include "storage/ServerRecordStore.h"

#include "storage/ServerConnection.h"
#include "storage/ServerRows.h"
#include "storage/StorageError.h"
#include "storage/Windows1252.h"

#include <cerrno>
#include <cstring>
#include <QRegularExpression>
#include <vector>

namespace {

// Any key, so long as every workstation takes the same one: table making waits on it.
constexpr char kCreateLock[] = "SELECT pg_advisory_xact_lock(73183)";

// A value in COPY's text form.
void appendCopyText(QByteArray& rows, QByteArrayView text)
{
    for (const char c : text) {
        switch (c) {
        case '\\': rows.append("\\\\"); break;
        case '\t': rows.append("\\t"); break;
        case '\n': rows.append("\\n"); break;
        case '\r': rows.append("\\r"); break;
        default: rows.append(c);
        }
    }
}

// A regular expression that matches a text where the needle (lower-case Windows-1252 bytes) occurs in
// it, compared through the code page's lower-case table as the file scan compares: each byte stands for
// every character that lowers to it. It does not depend on the server's locale.
QByteArray containsPattern(QByteArrayView needle)
{
    QString pattern;
    const auto literal = [&pattern](char16_t ch) {
        if (ch < 0x80 && !QChar::isLetterOrNumber(ch))
            pattern += QLatin1Char('\\');
        pattern += QChar(ch);
    };
    for (const char byte : needle) {
        QList<char16_t> cases;
        for (int b = 0; b < 256; ++b)
            if (Windows1252::toLower(static_cast<unsigned char>(b)) == static_cast<unsigned char>(byte))
                cases.append(Windows1252::toUnicode(static_cast<unsigned char>(b)));
        if (cases.size() == 1) {
            literal(cases.first());
            continue;
        }
        pattern += QLatin1Char('[');
        for (const char16_t ch : cases)
            literal(ch);
        pattern += QLatin1Char(']');
    }
    return pattern.toUtf8();
}

} // namespace

ServerRecordStore::ServerRecordStore(const QString& uri, const QString& table, const RecordLayout& layout)
    : m_connection(ServerConnection::to(uri)), m_table(table), m_layout(layout)
{
    static const QRegularExpression plainName(QStringLiteral("^[a-z][a-z0-9_]*$"));
    if (!plainName.match(table).hasMatch())
        throw StorageError(QStringLiteral("open"), table, EINVAL);
    m_quoted = '"' + table.toUtf8() + '"';
    for (int field = 0; field < m_layout.fieldCount(); ++field)
        m_columns += ServerRows::column(m_layout, field) + ", ";
    m_columns += ServerRows::kBytesColumn;
    create();
}

bool ServerRecordStore::exists(const QString& uri, const QString& table)
{
    const ServerResult found = ServerConnection::to(uri).exec(
        "SELECT 1 FROM pg_tables WHERE schemaname = current_schema() AND tablename = $1",
        {ServerParameter::text(table.toUtf8())}, false, table);
    return found.rows() > 0;
}

QStringList ServerRecordStore::tables(const QString& uri)
{
    const ServerResult found = ServerConnection::to(uri).exec(
        "SELECT tablename FROM pg_tables WHERE schemaname = current_schema() ORDER BY tablename");
    QStringList names;
    for (int row = 0; row < found.rows(); ++row)
        names.append(QString::fromUtf8(found.value(row, 0)));
    return names;
}

void ServerRecordStore::create()
{
    // Once a table is known to be there, opening it costs no statement.
    const QString made = QStringLiteral("tabella ") + m_table;
    if (m_connection.knows(made))
        return;
    QByteArray sql = "CREATE TABLE IF NOT EXISTS " + m_quoted + " (" + ServerRows::kNumberColumn +
                     " bigint PRIMARY KEY";
    for (int field = 0; field < m_layout.fieldCount(); ++field)
        sql += ", " + ServerRows::column(m_layout, field) + " varchar(" +
               QByteArray::number(m_layout.width(field)) + ") NOT NULL DEFAULT ''";
    sql += QByteArray(", ") + ServerRows::kBytesColumn + " bytea)";
    ServerTransaction transaction(m_connection, m_table);
    m_connection.exec(kCreateLock, {}, false, m_table);
    m_connection.exec(sql.constData(), {}, false, m_table);
    // The records a search always reads, found without reading the table.
    const QByteArray kept = "CREATE INDEX IF NOT EXISTS \"" + m_table.toUtf8() + "_grezzo\" ON " + m_quoted +
                            " (numero) WHERE grezzo IS NOT NULL";
    m_connection.exec(kept.constData(), {}, false, m_table);
    transaction.commit();
    m_connection.learn(made);
}

qint64 ServerRecordStore::count() const
{
    const QByteArray sql = "SELECT coalesce(max(numero), 0) FROM " + m_quoted;
    const ServerResult result = m_connection.exec(sql.constData(), {}, false, m_table);
    return result.value(0, 0).toByteArray().toLongLong();
}

void ServerRecordStore::writeRecord(const ServerResult& rows, int row, char* buffer) const
{
    const int bytesColumn = m_layout.fieldCount() + 1;
    if (!rows.isNull(row, bytesColumn) && rows.value(row, bytesColumn).size() == m_layout.size()) {
        std::memcpy(buffer, rows.value(row, bytesColumn).data(), std::size_t(m_layout.size()));
        return;
    }
    for (int field = 0; field < m_layout.fieldCount(); ++field)
        ServerRows::writeField(buffer + m_layout.offset(field), m_layout.width(field), rows.value(row, field + 1));
}

qint64 ServerRecordStore::readBlock(char* buffer, qint64 first, qint64 wanted) const
{
    const QByteArray sql = "SELECT numero, " + m_columns + " FROM " + m_quoted +
                           " WHERE numero > $1 AND numero <= $2 ORDER BY numero";
    const ServerResult rows =
        m_connection.exec(sql.constData(), {ServerParameter::integer(first), ServerParameter::integer(first + wanted)},
                          true, m_table);
    qint64 read = 0;
    // Numbers run without a gap, as a file's records do; a gap ends the archive as a file's end does.
    while (read < rows.rows() && rows.integer(int(read), 0) == first + read + 1) {
        writeRecord(rows, int(read), buffer + read * m_layout.size());
        ++read;
    }
    return read;
}

QList<QByteArray> ServerRecordStore::rowOf(const Record& record, bool& whole) const
{
    QList<QByteArray> values;
    for (int field = 0; field < m_layout.fieldCount(); ++field)
        values.append(ServerRows::columnText(record.view(), field));
    whole = ServerRows::fieldsHoldAll(record.view());
    return values;
}

void ServerRecordStore::overwrite(qint64 number, const Record& record)
{
    QByteArray sql = "UPDATE " + m_quoted + " SET ";
    for (int field = 0; field < m_layout.fieldCount(); ++field)
        sql += ServerRows::column(m_layout, field) + " = $" + QByteArray::number(field + 2) + ", ";
    sql += QByteArray(ServerRows::kBytesColumn) + " = $" + QByteArray::number(m_layout.fieldCount() + 2) +
           " WHERE numero = $1";
    bool whole = false;
    QList<ServerParameter> parameters{ServerParameter::integer(number)};
    for (QByteArray& value : rowOf(record, whole))
        parameters.append(ServerParameter::text(std::move(value)));
    parameters.append(whole ? ServerParameter::null() : ServerParameter::bytes(record.bytes()));
    if (m_connection.exec(sql.constData(), parameters, false, m_table).affected() != 1)
        throw StorageError(QStringLiteral("overwrite"), m_table, EINVAL);
}

bool ServerRecordStore::update(qint64 number, const std::function<bool(Record&)>& change)
{
    ServerTransaction transaction(m_connection, m_table);
    const QByteArray sql =
        "SELECT numero, " + m_columns + " FROM " + m_quoted + " WHERE numero = $1 FOR UPDATE";
    const ServerResult row = m_connection.exec(sql.constData(), {ServerParameter::integer(number)}, true, m_table);
    if (row.rows() != 1)
        throw StorageError(QStringLiteral("update"), m_table, EINVAL);
    QByteArray bytes(m_layout.size(), '\0');
    writeRecord(row, 0, bytes.data());
    Record record(m_layout, std::move(bytes));
    if (!change(record))
        return false;
    overwrite(number, record);
    transaction.commit();
    return true;
}

qint64 ServerRecordStore::append(std::span<const Record> records)
{
    ServerTransaction transaction(m_connection, m_table);
    // Held to the commit: the next numbers are this transaction's alone, while readers go on reading.
    const QByteArray lock = "LOCK TABLE " + m_quoted + " IN SHARE ROW EXCLUSIVE MODE";
    m_connection.exec(lock.constData(), {}, false, m_table);
    const qint64 first = count() + 1;
    const QByteArray copy = "COPY " + m_quoted + " (numero, " + m_columns + ") FROM STDIN";
    m_connection.beginCopy(copy.constData(), m_table);
    try {
        putRows(records, first);
    } catch (const StorageError&) {
        m_connection.abortCopy();
        throw;
    }
    m_connection.endCopy(m_table);
    transaction.commit();
    return first;
}

void ServerRecordStore::putRows(std::span<const Record> records, qint64 first)
{
    constexpr qsizetype kChunk = 1 << 20;
    QByteArray rows;
    qint64 number = first;
    for (const Record& record : records) {
        bool whole = false;
        rows.append(QByteArray::number(number++));
        for (const QByteArray& value : rowOf(record, whole)) {
            rows.append('\t');
            appendCopyText(rows, value);
        }
        rows.append(whole ? QByteArrayView("\t\\N\n") : QByteArrayView("\t\\\\x"));
        if (!whole)
            rows.append(record.bytes().toHex()).append('\n');
        if (rows.size() >= kChunk) {
            m_connection.putCopy(rows, m_table);
            rows.resize(0);
        }
    }
    if (!rows.isEmpty())
        m_connection.putCopy(rows, m_table);
}

void ServerRecordStore::indexForSearch(int field) const
{
    const QByteArray column = ServerRows::column(m_layout, field);
    const QString tried = QStringLiteral("indice ") + m_table + QLatin1Char(' ') + QString::fromUtf8(column);
    if (m_connection.knows(tried))
        return;
    m_connection.learn(tried);
    const QByteArray name = m_table.toUtf8() + '_' + column.mid(1, column.size() - 2) + "_trgm";
    try {
        const ServerResult there = m_connection.exec(
            "SELECT 1 FROM pg_indexes WHERE schemaname = current_schema() AND indexname = $1",
            {ServerParameter::text(name)}, false, m_table);
        if (there.rows() > 0)
            return;
        const QByteArray sql = "CREATE INDEX IF NOT EXISTS \"" + name + "\" ON " + m_quoted + " USING gin (" +
                               column + " gin_trgm_ops)";
        ServerTransaction transaction(m_connection, m_table);
        m_connection.exec(kCreateLock, {}, false, m_table);
        m_connection.exec("CREATE EXTENSION IF NOT EXISTS pg_trgm", {}, false, m_table);
        m_connection.exec(sql.constData(), {}, false, m_table);
        transaction.commit();
        // Fresh figures, so that the planner sees how few records a pattern leaves and takes the index;
        // from now on the server's autovacuum keeps them.
        const QByteArray analyze = "ANALYZE " + m_quoted;
        m_connection.exec(analyze.constData(), {}, false, m_table);
    } catch (const StorageError&) {
        // Searches still get their answers from the server, by reading the table.
    }
}

bool ServerRecordStore::readCandidates(std::span<const FieldCriterion> criteria, const CandidateBlock& block) const
{
    QList<ServerParameter> parameters;
    QByteArray matches;
    for (const FieldCriterion& criterion : criteria) {
        if (criterion.matchesNothing())
            return true;
        indexForSearch(criterion.field());
        parameters.append(ServerParameter::text(containsPattern(criterion.needle())));
        matches += (matches.isEmpty() ? "" : " AND ") + ServerRows::column(m_layout, criterion.field()) + " ~ $" +
                   QByteArray::number(parameters.size());
    }
    // A record kept whole in "grezzo" may hold in its bytes what its columns do not show: it is always
    // handed over, and the caller's own test decides.
    const QByteArray sql = "DECLARE candidates NO SCROLL CURSOR FOR SELECT numero, " + m_columns + " FROM " +
                           m_quoted + " WHERE (" + matches + ") OR grezzo IS NOT NULL ORDER BY numero";
    ServerTransaction transaction(m_connection, m_table);
    // Planned for all its rows rather than the first few: a selective search then goes by the indexes
    // instead of walking the whole table in number order.
    m_connection.exec("SET LOCAL cursor_tuple_fraction = 1", {}, false, m_table);
    m_connection.exec(sql.constData(), parameters, false, m_table);
    QByteArray buffer;
    std::vector<qint64> indexes;
    for (;;) {
        const ServerResult rows = m_connection.exec("FETCH 2000 FROM candidates", {}, true, m_table);
        const int count = rows.rows();
        buffer.resize(qsizetype(count) * m_layout.size());
        indexes.resize(std::size_t(count));
        for (int row = 0; row < count; ++row) {
            indexes[std::size_t(row)] = rows.integer(row, 0) - 1;
            writeRecord(rows, row, buffer.data() + qsizetype(row) * m_layout.size());
        }
        if (count == 0 || !block(count, indexes.data(), buffer.constData()) || count < 2000)
            break;
    }
    transaction.commit();
    return true;
}
