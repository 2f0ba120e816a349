#include "storage/ServerTables.h"

#include "storage/ServerConnection.h"
#include "storage/ServerRows.h"
#include "storage/StorageError.h"

namespace ServerTables {

namespace {

// Any key, so long as every workstation takes the same one: table making waits on it.
constexpr char kCreateLock[] = "SELECT pg_advisory_xact_lock(73183)";

QByteArray quoted(const QString& table)
{
    return '"' + table.toUtf8() + '"';
}

bool indexExists(ServerConnection& connection, const QByteArray& name, const QString& table)
{
    return connection
               .exec("SELECT 1 FROM pg_indexes WHERE schemaname = current_schema() AND indexname = $1",
                     {ServerParameter::text(name)}, false, table)
               .rows() > 0;
}

// Whether pg_trgm is there, adding it where the role may.
bool trigrams(ServerConnection& connection, const QString& table)
{
    const auto present = [&] {
        return connection.exec("SELECT 1 FROM pg_extension WHERE extname = 'pg_trgm'", {}, false, table)
                   .rows() > 0;
    };
    if (present())
        return true;
    try {
        ServerTransaction transaction(connection, table);
        connection.exec(kCreateLock, {}, false, table);
        connection.exec("CREATE EXTENSION IF NOT EXISTS pg_trgm", {}, false, table);
        transaction.commit();
    } catch (const StorageError&) {
        return false;
    }
    return present();
}

} // namespace

void make(ServerConnection& connection, const QString& table, const RecordLayout& layout)
{
    const QByteArray name = quoted(table);
    QByteArray sql =
        "CREATE TABLE IF NOT EXISTS " + name + " (" + ServerRows::kNumberColumn + " bigint PRIMARY KEY";
    for (int field = 0; field < layout.fieldCount(); ++field)
        sql += ", " + ServerRows::column(layout, field) + " varchar(" +
               QByteArray::number(layout.width(field)) + ") NOT NULL DEFAULT ''";
    sql += QByteArray(", ") + ServerRows::kBytesColumn + " bytea)";
    // The records a search always reads, found without reading the table.
    const QByteArray kept = "CREATE INDEX IF NOT EXISTS \"" + table.toUtf8() + "_grezzo\" ON " + name +
                            " (numero) WHERE grezzo IS NOT NULL";
    const ServerResult there =
        connection.exec("SELECT 1 FROM pg_tables WHERE schemaname = current_schema() AND tablename = $1",
                        {ServerParameter::text(table.toUtf8())}, false, table);
    if (there.rows() > 0)
        return;
    const ServerResult allowed = connection.exec(
        "SELECT coalesce(has_schema_privilege(current_schema(), 'CREATE'), false)", {}, false, table);
    if (allowed.value(0, 0) != QByteArrayView("t"))
        throw StorageError::server(
            QStringLiteral(
                "Il server dell'archivio %1 non ha la tabella %2 e non permette a questa postazione di "
                "crearla.\nL'amministratore la crea con: telvara-cli archivi prepara --archivio URI")
                .arg(ServerConnection::displayName(connection.uri()), table),
            QStringLiteral("create"), table);
    ServerTransaction transaction(connection, table);
    connection.exec(kCreateLock, {}, false, table);
    connection.exec(sql.constData(), {}, false, table);
    connection.exec(kept.constData(), {}, false, table);
    transaction.commit();
}

void index(ServerConnection& connection, const QString& table, const RecordLayout& layout,
           const QList<int>& searched, const Progress& progress)
{
    const auto tell = [&](const QString& step) {
        if (progress)
            progress(table + QStringLiteral(": ") + step);
    };
    QList<QByteArray> missing;
    for (const int field : searched) {
        const QByteArray column = ServerRows::column(layout, field);
        const QByteArray name = table.toUtf8() + '_' + column.mid(1, column.size() - 2) + "_trgm";
        if (!missing.contains(column) && !indexExists(connection, name, table))
            missing.append(column);
    }
    if (!missing.isEmpty() && !trigrams(connection, table)) {
        tell(QStringLiteral("pg_trgm non disponibile sul server: le ricerche leggeranno la tabella"));
        missing.clear();
    }
    for (qsizetype i = 0; i < missing.size(); ++i) {
        const QByteArray& column = missing[i];
        const QByteArray bare = column.mid(1, column.size() - 2);
        tell(QStringLiteral("indice della colonna %1 (%2 di %3)")
                 .arg(QString::fromUtf8(bare))
                 .arg(i + 1)
                 .arg(missing.size()));
        const QByteArray sql = "CREATE INDEX IF NOT EXISTS \"" + table.toUtf8() + '_' + bare + "_trgm\" ON " +
                               quoted(table) + " USING gin (" + column + " gin_trgm_ops)";
        ServerTransaction transaction(connection, table);
        connection.exec(kCreateLock, {}, false, table);
        connection.exec(sql.constData(), {}, false, table);
        transaction.commit();
    }
    tell(QStringLiteral("statistiche per il pianificatore (ANALYZE)"));
    const QByteArray analyze = "ANALYZE " + quoted(table);
    connection.exec(analyze.constData(), {}, false, table);
}

} // namespace ServerTables
