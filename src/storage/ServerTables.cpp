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

// Keeps a table's row count in kCountTable, so that the records are counted without reading them: each
// statement that inserts or deletes rows, the program's or another tool's, adds or takes its rows in
// its own transaction. Runs as its owner, so that the tools need no right on the count's table.
constexpr char kCountFunction[] = R"(CREATE FUNCTION telvara_conta() RETURNS trigger LANGUAGE plpgsql
SECURITY DEFINER SET search_path FROM CURRENT AS $body$
BEGIN
    IF TG_OP = 'INSERT' THEN
        UPDATE telvara_righe SET righe = righe + (SELECT count(*) FROM nuove) WHERE tabella = TG_TABLE_NAME;
    ELSIF TG_OP = 'DELETE' THEN
        UPDATE telvara_righe SET righe = righe - (SELECT count(*) FROM vecchie) WHERE tabella = TG_TABLE_NAME;
    ELSE
        UPDATE telvara_righe SET righe = 0 WHERE tabella = TG_TABLE_NAME;
    END IF;
    RETURN NULL;
END
$body$)";

// Counts the table's rows from now on (kCountFunction), when not yet counted. Inside the caller's
// transaction, holding the table against writers while the rows there are counted.
void countRows(ServerConnection& connection, const QString& table)
{
    connection.exec("CREATE TABLE IF NOT EXISTS telvara_righe (tabella text PRIMARY KEY, righe bigint NOT NULL)",
                    {}, false, table);
    if (connection.exec("SELECT 1 FROM telvara_righe WHERE tabella = $1", {ServerParameter::text(table.toUtf8())},
                        false, table)
            .rows() > 0)
        return;
    if (connection.exec("SELECT to_regprocedure('telvara_conta()') IS NULL", {}, false, table).value(0, 0) ==
        QByteArrayView("t"))
        connection.exec(kCountFunction, {}, false, table);
    const QByteArray name = quoted(table);
    const QByteArray lock = "LOCK TABLE " + name + " IN SHARE ROW EXCLUSIVE MODE";
    connection.exec(lock.constData(), {}, false, table);
    const QByteArray count = "INSERT INTO telvara_righe SELECT $1, count(*) FROM " + name;
    connection.exec(count.constData(), {ServerParameter::text(table.toUtf8())}, false, table);
    const QByteArray prefix = "CREATE TRIGGER \"" + table.toUtf8();
    for (const QByteArray& trigger :
         {prefix + "_inserite\" AFTER INSERT ON " + name + " REFERENCING NEW TABLE AS nuove",
          prefix + "_cancellate\" AFTER DELETE ON " + name + " REFERENCING OLD TABLE AS vecchie",
          prefix + "_svuotata\" AFTER TRUNCATE ON " + name}) {
        const QByteArray sql = trigger + " FOR EACH STATEMENT EXECUTE FUNCTION telvara_conta()";
        connection.exec(sql.constData(), {}, false, table);
    }
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
    countRows(connection, table);
    transaction.commit();
}

bool counted(ServerConnection& connection, const QString& table)
{
    if (connection.exec("SELECT to_regclass('telvara_righe') IS NULL", {}, false, table).value(0, 0) ==
        QByteArrayView("t"))
        return false;
    return connection
               .exec("SELECT 1 FROM telvara_righe WHERE tabella = $1", {ServerParameter::text(table.toUtf8())},
                     false, table)
               .rows() > 0;
}

void complete(ServerConnection& connection, const QString& table, const RecordLayout& layout,
              const QList<int>& searched, const Progress& progress)
{
    const auto tell = [&](const QString& step) {
        if (progress)
            progress(table + QStringLiteral(": ") + step);
    };
    {
        ServerTransaction transaction(connection, table);
        connection.exec(kCreateLock, {}, false, table);
        countRows(connection, table);
        transaction.commit();
    }
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
