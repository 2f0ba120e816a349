#include "storage/StagedTables.h"

#include "storage/ServerConnection.h"
#include "storage/ServerRecordStore.h"
#include "storage/StorageError.h"

#include <QRandomGenerator>

namespace {

// Staging tables are named "copia_", eight hexadecimal digits of their copy, "_", the archive's table:
// never an archive's name.
constexpr char kStaging[] = "^copia_[0-9a-f]{8}_";

QByteArray quoted(const QString& name)
{
    return '"' + name.toUtf8() + '"';
}

// Whether the server keeps row counts of its tables (ServerTables), in which a table has its row.
bool countsKept(ServerConnection& connection)
{
    return connection.exec("SELECT to_regclass('telvara_righe') IS NOT NULL", {}).value(0, 0) ==
           QByteArrayView("t");
}

// Drops a table and its kept row count.
void drop(ServerConnection& connection, const QString& table)
{
    const QByteArray sql = "DROP TABLE IF EXISTS " + quoted(table);
    connection.exec(sql.constData(), {}, false, table);
    if (countsKept(connection))
        connection.exec("DELETE FROM telvara_righe WHERE tabella = $1", {ServerParameter::text(table.toUtf8())},
                        false, table);
}

} // namespace

StagedTables::StagedTables(const QString& uri) : m_uri(uri)
{
    ServerConnection& connection = ServerConnection::to(uri);
    const ServerResult left = connection.exec(
        "SELECT tablename FROM pg_tables WHERE schemaname = current_schema() AND tablename ~ $1",
        {ServerParameter::text(kStaging)});
    for (int row = 0; row < left.rows(); ++row)
        drop(connection, QString::fromUtf8(left.value(row, 0)));
    m_prefix =
        QStringLiteral("copia_%1_").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
}

StagedTables::~StagedTables()
{
    if (m_published)
        return;
    try {
        ServerConnection& connection = ServerConnection::to(m_uri);
        for (const QString& table : m_tables)
            drop(connection, m_prefix + table);
    } catch (const StorageError&) {
        // Whatever is left is dropped by the next copy.
    }
}

std::unique_ptr<RecordStore> StagedTables::open(const QString& fileName, const QString& table,
                                                const RecordLayout& layout)
{
    Q_UNUSED(fileName);
    m_tables.append(table);
    return std::make_unique<ServerRecordStore>(m_uri, m_prefix + table, layout);
}

void StagedTables::publish()
{
    ServerConnection& connection = ServerConnection::to(m_uri);
    ServerTransaction transaction(connection, m_tables.join(QStringLiteral(", ")));
    for (const QString& table : m_tables) {
        const QString staging = m_prefix + table;
        if (ServerRecordStore::exists(m_uri, table)) {
            // An empty archive of that name gives way; one that got records since the copy began does not.
            const QByteArray lock = "LOCK TABLE " + quoted(table) + " IN ACCESS EXCLUSIVE MODE";
            connection.exec(lock.constData(), {}, false, table);
            const QByteArray any = "SELECT 1 FROM " + quoted(table) + " LIMIT 1";
            if (connection.exec(any.constData(), {}, false, table).rows() > 0)
                throw grewMeanwhile(table);
            drop(connection, table);
        }
        const QByteArray rename = "ALTER TABLE " + quoted(staging) + " RENAME TO " + quoted(table);
        connection.exec(rename.constData(), {}, false, table);
        // The rows counted under the staging name are the archive's; its triggers count by the table's
        // name, whatever it is now, and take the archive's names.
        if (countsKept(connection))
            connection.exec("UPDATE telvara_righe SET tabella = $2 WHERE tabella = $1",
                            {ServerParameter::text(staging.toUtf8()), ServerParameter::text(table.toUtf8())},
                            false, table);
        const ServerResult triggers = connection.exec(
            "SELECT tgname FROM pg_trigger WHERE tgrelid = to_regclass($1) AND NOT tgisinternal",
            {ServerParameter::text(quoted(table))}, false, table);
        for (int row = 0; row < triggers.rows(); ++row) {
            const QString trigger = QString::fromUtf8(triggers.value(row, 0));
            if (!trigger.startsWith(staging))
                continue;
            const QByteArray renameTrigger = "ALTER TRIGGER " + quoted(trigger) + " ON " + quoted(table) +
                                             " RENAME TO " + quoted(table + trigger.mid(staging.size()));
            connection.exec(renameTrigger.constData(), {}, false, table);
        }
        // Its indexes take the archive's names too, as if the table had been made under it.
        const ServerResult indexes = connection.exec(
            "SELECT indexname FROM pg_indexes WHERE schemaname = current_schema() AND tablename = $1",
            {ServerParameter::text(table.toUtf8())}, false, table);
        for (int row = 0; row < indexes.rows(); ++row) {
            const QString index = QString::fromUtf8(indexes.value(row, 0));
            if (!index.startsWith(staging))
                continue;
            const QByteArray renameIndex =
                "ALTER INDEX " + quoted(index) + " RENAME TO " + quoted(table + index.mid(staging.size()));
            connection.exec(renameIndex.constData(), {}, false, table);
        }
    }
    transaction.commit();
    m_published = true;
}
