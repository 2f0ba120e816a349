#include "storage/ServerRecordStore.h"

#include "storage/ServerConnection.h"
#include "storage/ServerRows.h"
#include "storage/ServerTables.h"
#include "storage/ServerWrite.h"
#include "storage/StorageError.h"
#include "storage/Windows1252.h"

#include <cerrno>
#include <cstring>
#include <optional>
#include <QRegularExpression>
#include <vector>

namespace {

// An append of this thread whose commit's outcome could not be learnt: tried again with the same
// records, it is looked up instead of written twice.
struct UncertainAppend
{
    QString uri;
    QString table;
    qint64 transaction;
    qint64 first;
    QByteArray bytes;
};
thread_local std::optional<UncertainAppend> uncertainAppend;

QByteArray bytesOf(std::span<const Record> records)
{
    QByteArray bytes;
    for (const Record& record : records)
        bytes += record.bytes();
    return bytes;
}

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

ServerRecordStore::ServerRecordStore(const QString& uri, const QString& table, const RecordLayout& layout,
                                     const QList<int>& searched)
    : m_connection(ServerConnection::to(uri)), m_table(table), m_layout(layout)
{
    static const QRegularExpression plainName(QStringLiteral("^[a-z][a-z0-9_]*$"));
    if (!plainName.match(table).hasMatch())
        throw StorageError(QStringLiteral("open"), table, EINVAL);
    m_quoted = '"' + table.toUtf8() + '"';
    for (int field = 0; field < m_layout.fieldCount(); ++field)
        m_columns += ServerRows::column(m_layout, field) + ", ";
    m_columns += ServerRows::kBytesColumn;
    // Once a table is known to be there, opening it costs no statement.
    const QString made = QStringLiteral("tabella ") + m_table;
    const QString counted = QStringLiteral("righe contate ") + m_table;
    m_counted = m_connection.knows(counted);
    if (m_connection.knows(made))
        return;
    if (!exists(uri, m_table)) {
        ServerTables::make(m_connection, m_table, m_layout);
        ServerTables::complete(m_connection, m_table, m_layout, searched);
    }
    m_counted = ServerTables::counted(m_connection, m_table);
    if (m_counted)
        m_connection.learn(counted);
    m_connection.learn(made);
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

const ServerNumbering& ServerRecordStore::renumber() const
{
    m_numbering = ServerNumbering::of(m_connection, m_table, m_counted, m_table);
    return *m_numbering;
}

qint64 ServerRecordStore::count() const
{
    return renumber().count();
}

QList<std::pair<qint64, qint64>> ServerRecordStore::gaps() const
{
    return renumber().gaps();
}

qint64 ServerRecordStore::numeroOf(qint64 number, const QString& operation) const
{
    const ServerNumbering& numbering = renumber();
    if (number < 1 || number > numbering.count())
        throw StorageError(operation, m_table, EINVAL);
    return numbering.numeroAt(number - 1);
}

void ServerRecordStore::writeRecord(const ServerResult& rows, int row, char* buffer,
                                    const ScanFields* fields) const
{
    // The row's columns: "numero", the fields read, "grezzo".
    const int bytesColumn = (fields ? int(fields->fields().size()) : m_layout.fieldCount()) + 1;
    if (!rows.isNull(row, bytesColumn) && rows.value(row, bytesColumn).size() == m_layout.size()) {
        std::memcpy(buffer, rows.value(row, bytesColumn).data(), std::size_t(m_layout.size()));
        if (fields)
            fields->emptyOthers(buffer, 1);
        return;
    }
    if (!fields) {
        for (int field = 0; field < m_layout.fieldCount(); ++field)
            ServerRows::writeField(buffer + m_layout.offset(field), m_layout.width(field),
                                   rows.value(row, field + 1));
        return;
    }
    fields->emptyOthers(buffer, 1);
    const QList<int>& read = fields->fields();
    for (qsizetype i = 0; i < read.size(); ++i)
        ServerRows::writeField(buffer + m_layout.offset(read[i]), m_layout.width(read[i]),
                               rows.value(row, int(i) + 1));
}

qint64 ServerRecordStore::readBlock(char* buffer, qint64 first, qint64 wanted) const
{
    return readRows(buffer, first, wanted, m_columns, nullptr);
}

qint64 ServerRecordStore::readFields(char* buffer, qint64 first, qint64 wanted,
                                     const ScanFields& fields) const
{
    Q_ASSERT(&fields.layout() == &m_layout);
    QByteArray columns;
    for (const int field : fields.fields())
        columns += ServerRows::column(m_layout, field) + ", ";
    columns += ServerRows::kBytesColumn;
    return readRows(buffer, first, wanted, columns, &fields);
}

qint64 ServerRecordStore::readRows(char* buffer, qint64 first, qint64 wanted, const QByteArray& columns,
                                   const ScanFields* fields) const
{
    // The numbers as the count before this read found them: a scan reads on from where it counted.
    const ServerNumbering& numbering = m_numbering ? *m_numbering : renumber();
    if (first >= numbering.count() || wanted <= 0)
        return 0;
    const QByteArray sql =
        "SELECT numero, " + columns + " FROM " + m_quoted + " WHERE numero >= $1 ORDER BY numero LIMIT $2";
    const ServerResult rows = m_connection.exec(
        sql.constData(),
        {ServerParameter::integer(numbering.numeroAt(first)), ServerParameter::integer(wanted)}, true,
        m_table);
    for (int row = 0; row < rows.rows(); ++row)
        writeRecord(rows, row, buffer + qint64(row) * m_layout.size(), fields);
    return rows.rows();
}

QList<QByteArray> ServerRecordStore::rowOf(const Record& record, bool& whole) const
{
    QList<QByteArray> values;
    for (int field = 0; field < m_layout.fieldCount(); ++field)
        values.append(ServerRows::columnText(record.view(), field));
    whole = ServerRows::fieldsHoldAll(record.view());
    return values;
}

void ServerRecordStore::writeRow(qint64 numero, const Record& record)
{
    QByteArray sql = "UPDATE " + m_quoted + " SET ";
    for (int field = 0; field < m_layout.fieldCount(); ++field)
        sql += ServerRows::column(m_layout, field) + " = $" + QByteArray::number(field + 2) + ", ";
    sql += QByteArray(ServerRows::kBytesColumn) + " = $" + QByteArray::number(m_layout.fieldCount() + 2) +
           " WHERE numero = $1";
    bool whole = false;
    QList<ServerParameter> parameters{ServerParameter::integer(numero)};
    for (QByteArray& value : rowOf(record, whole))
        parameters.append(ServerParameter::text(std::move(value)));
    parameters.append(whole ? ServerParameter::null() : ServerParameter::bytes(record.bytes()));
    if (m_connection.exec(sql.constData(), parameters, false, m_table).affected() != 1)
        throw StorageError(QStringLiteral("overwrite"), m_table, EINVAL);
}

void ServerRecordStore::overwrite(qint64 number, const Record& record)
{
    ServerWrite write(m_connection, m_table);
    writeRow(numeroOf(number, QStringLiteral("overwrite")), record);
    write.commit();
}

bool ServerRecordStore::update(qint64 number, const std::function<bool(Record&)>& change)
{
    ServerWrite write(m_connection, m_table);
    const qint64 numero = numeroOf(number, QStringLiteral("update"));
    const QByteArray sql =
        "SELECT numero, " + m_columns + " FROM " + m_quoted + " WHERE numero = $1 FOR UPDATE";
    const ServerResult row =
        m_connection.exec(sql.constData(), {ServerParameter::integer(numero)}, true, m_table);
    if (row.rows() != 1)
        throw StorageError(QStringLiteral("update"), m_table, EINVAL);
    QByteArray bytes(m_layout.size(), '\0');
    writeRecord(row, 0, bytes.data(), nullptr);
    Record record(m_layout, std::move(bytes));
    if (!change(record))
        return false;
    writeRow(numero, record);
    write.commit();
    return true;
}

std::optional<qint64> ServerRecordStore::earlierAppend(const QByteArray& bytes)
{
    if (!uncertainAppend || uncertainAppend->uri != m_connection.uri() || uncertainAppend->table != m_table)
        return std::nullopt;
    const std::optional<bool> committed =
        ServerWrite::committed(m_connection, uncertainAppend->transaction, m_table);
    if (!committed)
        throw ServerWrite::uncertain(m_connection, m_table);
    const UncertainAppend earlier = *std::exchange(uncertainAppend, std::nullopt);
    if (*committed && earlier.bytes == bytes)
        return earlier.first;
    return std::nullopt;
}

qint64 ServerRecordStore::append(std::span<const Record> records)
{
    QByteArray bytes = bytesOf(records);
    if (const std::optional<qint64> first = earlierAppend(bytes))
        return *first;
    ServerWrite write(m_connection, m_table);
    // Held to the commit: the next numbers are this transaction's alone, while readers go on reading.
    const QByteArray lock = "LOCK TABLE " + m_quoted + " IN SHARE ROW EXCLUSIVE MODE";
    m_connection.exec(lock.constData(), {}, false, m_table);
    const ServerNumbering& numbering = renumber();
    const qint64 first = numbering.count() + 1;
    const QByteArray copy = "COPY " + m_quoted + " (numero, " + m_columns + ") FROM STDIN";
    m_connection.beginCopy(copy.constData(), m_table);
    try {
        putRows(records, numbering.last() + 1);
    } catch (const StorageError&) {
        m_connection.abortCopy();
        throw;
    }
    m_connection.endCopy(m_table);
    try {
        write.commit();
    } catch (const StorageError& error) {
        if (error.operation() == QLatin1StringView(ServerWrite::kUncertain))
            uncertainAppend =
                UncertainAppend{m_connection.uri(), m_table, write.id(), first, std::move(bytes)};
        throw;
    }
    m_numbering.reset();
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

bool ServerRecordStore::readCandidates(std::span<const FieldCriterion> criteria, const CandidateBlock& block) const
{
    QList<ServerParameter> parameters;
    QByteArray matches;
    for (const FieldCriterion& criterion : criteria) {
        // A text longer than its field is in none of its records: the server is not asked.
        if (criterion.matchesNothing() || criterion.needle().size() > m_layout.width(criterion.field()))
            return true;
        matches += matches.isEmpty() ? "" : " AND ";
        // A column never holds a NUL; a record whose field does keeps its bytes in "grezzo", read below.
        if (criterion.needle().contains('\0')) {
            matches += "false";
            continue;
        }
        parameters.append(ServerParameter::text(containsPattern(criterion.needle())));
        matches +=
            ServerRows::column(m_layout, criterion.field()) + " ~ $" + QByteArray::number(parameters.size());
    }
    // A record kept whole in "grezzo" may hold in its bytes what its columns do not show: it is always
    // handed over, and the caller's own test decides.
    const QByteArray sql = "DECLARE candidates NO SCROLL CURSOR FOR SELECT numero, " + m_columns + " FROM " +
                           m_quoted + " WHERE (" + matches + ") OR grezzo IS NOT NULL ORDER BY numero";
    ServerTransaction transaction(m_connection, m_table);
    // One snapshot for the numbers and the rows, so that each card found has the number a list shows.
    m_connection.exec("SET TRANSACTION ISOLATION LEVEL REPEATABLE READ", {}, false, m_table);
    // Planned for all its rows rather than the first few: a selective search then goes by the indexes
    // instead of walking the whole table in number order.
    m_connection.exec("SET LOCAL cursor_tuple_fraction = 1", {}, false, m_table);
    const ServerNumbering& numbering = renumber();
    m_connection.exec(sql.constData(), parameters, false, m_table);
    QByteArray buffer;
    std::vector<qint64> indexes;
    for (;;) {
        const ServerResult rows = m_connection.exec("FETCH 2000 FROM candidates", {}, true, m_table);
        const int count = rows.rows();
        buffer.resize(qsizetype(count) * m_layout.size());
        indexes.resize(std::size_t(count));
        for (int row = 0; row < count; ++row) {
            indexes[std::size_t(row)] = numbering.indexOf(rows.integer(row, 0));
            writeRecord(rows, row, buffer.data() + qsizetype(row) * m_layout.size(), nullptr);
        }
        if (count == 0 || !block(count, indexes.data(), buffer.constData()) || count < 2000)
            break;
    }
    transaction.commit();
    return true;
}
