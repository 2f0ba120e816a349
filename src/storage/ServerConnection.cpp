#include "storage/ServerConnection.h"

#include "storage/StorageError.h"

#include <cstring>
#include <libpq-fe.h>
#include <map>
#include <QRegularExpression>
#include <QtEndian>
#include <unistd.h>
#include <vector>

namespace {

// The first line of what libpq says, without its trailing newline.
QString firstLine(const char* message)
{
    const QString text = QString::fromUtf8(message).trimmed();
    return text.section(QLatin1Char('\n'), 0, 0);
}

} // namespace

int ServerResult::rows() const
{
    return PQntuples(m_result.get());
}

bool ServerResult::isNull(int row, int column) const
{
    return PQgetisnull(m_result.get(), row, column) != 0;
}

QByteArrayView ServerResult::value(int row, int column) const
{
    return QByteArrayView(PQgetvalue(m_result.get(), row, column), PQgetlength(m_result.get(), row, column));
}

qint64 ServerResult::integer(int row, int column) const
{
    return qFromBigEndian<qint64>(PQgetvalue(m_result.get(), row, column));
}

qint64 ServerResult::affected() const
{
    return QByteArray(PQcmdTuples(m_result.get())).toLongLong();
}

void ServerResult::Clear::operator()(pg_result* result) const
{
    PQclear(result);
}

ServerConnection& ServerConnection::to(const QString& uri)
{
    // Kept for the thread's life and connected again in place, so that a store holding it never holds a
    // connection that is gone.
    thread_local std::map<QString, std::unique_ptr<ServerConnection>> connections;
    auto& connection = connections[uri];
    if (!connection)
        connection.reset(new ServerConnection(uri));
    if (connection->m_process != ::getpid()) {
        // A child process shares its parent's socket: closing it would end the parent's session too.
        connection->m_connection = nullptr;
    }
    if (connection->m_broken || PQstatus(connection->m_connection) != CONNECTION_OK)
        connection->connect(); // lost: this use connects again
    return *connection;
}

QString ServerConnection::addressProblem(const QString& uri)
{
    char* error = nullptr;
    PQconninfoOption* options = PQconninfoParse(uri.toUtf8().constData(), &error);
    if (!options) {
        // libpq quotes the piece it could not read, which may be a password: what it quotes is left out.
        static const QRegularExpression quoted(QStringLiteral("\\s*\".*"));
        QString detail = error ? firstLine(error).remove(quoted) : QString();
        if (detail.endsWith(QLatin1Char(':')))
            detail.chop(1);
        PQfreemem(error);
        return QStringLiteral("Indirizzo del server dell'archivio non valido: %1").arg(detail);
    }
    bool password = false;
    for (PQconninfoOption* option = options; option->keyword; ++option)
        password = password || (std::strcmp(option->keyword, "password") == 0 && option->val && *option->val);
    PQconninfoFree(options);
    if (password)
        return QStringLiteral("L'indirizzo del server dell'archivio non deve contenere la password: "
                              "scrivetela in ~/.pgpass (o nel file indicato da PGPASSFILE).");
    return {};
}

QString ServerConnection::displayName(const QString& uri)
{
    char* error = nullptr;
    PQconninfoOption* options = PQconninfoParse(uri.toUtf8().constData(), &error);
    PQfreemem(error);
    if (!options)
        return uri.section(QLatin1Char('@'), -1);
    QString host, port, database;
    for (PQconninfoOption* option = options; option->keyword; ++option) {
        if (!option->val)
            continue;
        if (std::strcmp(option->keyword, "host") == 0)
            host = QString::fromUtf8(option->val);
        else if (std::strcmp(option->keyword, "port") == 0)
            port = QString::fromUtf8(option->val);
        else if (std::strcmp(option->keyword, "dbname") == 0)
            database = QString::fromUtf8(option->val);
    }
    PQconninfoFree(options);
    QString name = host.isEmpty() ? QStringLiteral("localhost") : host;
    if (!port.isEmpty())
        name += QLatin1Char(':') + port;
    if (!database.isEmpty())
        name += QLatin1Char('/') + database;
    return name;
}

ServerConnection::ServerConnection(const QString& uri) : m_uri(uri)
{
}

void ServerConnection::connect()
{
    if (m_connection && m_process == ::getpid())
        PQfinish(m_connection);
    m_process = ::getpid();
    m_broken = false;
    // The URI's own settings come last and so win over these defaults.
    const QByteArray dbname = m_uri.toUtf8();
    const char* const keywords[] = {"connect_timeout", "keepalives", "keepalives_idle", "keepalives_interval",
                                    "keepalives_count", "application_name", "client_encoding", "dbname",
                                    nullptr};
    const char* const values[] = {"5", "1", "10", "3", "3", "telvara", "UTF8", dbname.constData(), nullptr};
    m_connection = PQconnectdbParams(keywords, values, 1);
    if (PQstatus(m_connection) != CONNECTION_OK) {
        const QString message = QStringLiteral("Impossibile raggiungere il server dell'archivio %1.\nDettagli: %2")
                                    .arg(displayName(m_uri), firstLine(PQerrorMessage(m_connection)));
        PQfinish(m_connection);
        m_connection = nullptr;
        throw StorageError::server(message, QStringLiteral("connect"), displayName(m_uri));
    }
    // Notices (a table already there, and so on) are the server's business, not the terminal's.
    PQsetNoticeProcessor(m_connection, [](void*, const char*) {}, nullptr);
}

bool ServerConnection::knows(const QString& what) const
{
    return m_known.contains(what);
}

void ServerConnection::learn(const QString& what)
{
    m_known.insert(what);
}

ServerConnection::~ServerConnection()
{
    if (m_connection && m_process == ::getpid())
        PQfinish(m_connection);
}

void ServerConnection::fail(const QString& archive) const
{
    const QString server = displayName(m_uri);
    const QString detail = firstLine(PQerrorMessage(m_connection));
    if (m_broken || PQstatus(m_connection) != CONNECTION_OK)
        throw StorageError::server(
            QStringLiteral("Collegamento con il server dell'archivio %1 interrotto.\nDettagli: %2").arg(server, detail),
            QStringLiteral("server"), archive);
    throw StorageError::server(
        QStringLiteral("Il server dell'archivio %1 non ha eseguito l'operazione su %2.\nDettagli: %3")
            .arg(server, archive, detail),
        QStringLiteral("server"), archive);
}

ServerResult ServerConnection::exec(const char* sql, const QList<ServerParameter>& parameters, bool binaryResult,
                                    const QString& archive)
{
    const int count = static_cast<int>(parameters.size());
    std::vector<const char*> values(std::size_t(count), nullptr);
    std::vector<int> lengths(std::size_t(count), 0);
    std::vector<int> formats(std::size_t(count), 0);
    for (int i = 0; i < count; ++i) {
        const ServerParameter& parameter = parameters[i];
        if (!parameter.value)
            continue;
        values[std::size_t(i)] = parameter.value->constData();
        lengths[std::size_t(i)] = static_cast<int>(parameter.value->size());
        formats[std::size_t(i)] = parameter.binary ? 1 : 0;
    }
    ServerResult result(PQexecParams(m_connection, sql, count, nullptr, values.data(), lengths.data(),
                                      formats.data(), binaryResult ? 1 : 0));
    const ExecStatusType status = result.get() ? PQresultStatus(result.get()) : PGRES_FATAL_ERROR;
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) {
        // An error the server did not send (no SQL state) is libpq's own: the connection is gone,
        // even where libpq has not yet noticed, and the next use makes a new one.
        m_broken = !result.get() || !PQresultErrorField(result.get(), PG_DIAG_SQLSTATE);
        fail(archive);
    }
    return result;
}

void ServerConnection::beginCopy(const char* sql, const QString& archive)
{
    const ServerResult start(PQexec(m_connection, sql));
    if (!start.get() || PQresultStatus(start.get()) != PGRES_COPY_IN)
        fail(archive);
}

void ServerConnection::putCopy(QByteArrayView rows, const QString& archive)
{
    if (PQputCopyData(m_connection, rows.constData(), static_cast<int>(rows.size())) != 1)
        fail(archive);
}

void ServerConnection::endCopy(const QString& archive)
{
    if (PQputCopyEnd(m_connection, nullptr) != 1)
        fail(archive);
    bool failed = false;
    while (PGresult* end = PQgetResult(m_connection)) {
        const ServerResult result(end);
        failed = failed || PQresultStatus(end) != PGRES_COMMAND_OK;
    }
    if (failed)
        fail(archive);
}

void ServerConnection::abortCopy()
{
    PQputCopyEnd(m_connection, "interrotto");
    while (PGresult* end = PQgetResult(m_connection))
        PQclear(end);
}

ServerTransaction::ServerTransaction(ServerConnection& connection, const QString& archive)
    : m_connection(connection), m_archive(archive)
{
    m_connection.exec("BEGIN", {}, false, m_archive);
}

ServerTransaction::~ServerTransaction()
{
    if (!m_open)
        return;
    try {
        m_connection.exec("ROLLBACK", {}, false, m_archive);
    } catch (const StorageError&) {
        // A connection that broke has no transaction left to roll back.
    }
}

void ServerTransaction::commit()
{
    m_open = false;
    m_connection.exec("COMMIT", {}, false, m_archive);
}
