#include "storage/ServerConnection.h"

#include "storage/ServerWait.h"
#include "storage/StorageError.h"

#include <cerrno>
#include <cstring>
#include <future>
#include <libpq-fe.h>
#include <map>
#include <poll.h>
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

// The session's bounds, so that the server itself ends a statement that waits on a lock or runs too long,
// and a workstation that stops halfway never holds its locks for long.
QByteArray sessionBounds()
{
    using std::chrono::milliseconds;
    const auto ms = [](auto duration) { return QByteArray::number(milliseconds(duration).count()); };
    return "SET lock_timeout = " + ms(ServerConnection::kLockTimeout) +
           "; SET statement_timeout = " + ms(ServerConnection::kStatementTimeout) +
           "; SET idle_in_transaction_session_timeout = " + ms(ServerConnection::kAnswerBound * 3);
}

} // namespace

// A wait on the server under way: no other use of the connection meanwhile, the installed ServerWait
// told at every slice and once at the end.
class ServerConnection::Waiting
{
public:
    explicit Waiting(ServerConnection& connection)
        : m_connection(connection), m_started(std::chrono::steady_clock::now())
    {
        m_connection.m_waiting = true;
    }
    ~Waiting()
    {
        m_connection.m_waiting = false;
        if (m_told)
            ServerWait::current().ended();
    }
    Waiting(const Waiting&) = delete;
    Waiting& operator=(const Waiting&) = delete;

    std::chrono::milliseconds waited() const
    {
        return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                     m_started);
    }
    // Tells the installed wait, once a slice at most: a large answer arrives in many small reads.
    void slice()
    {
        const std::chrono::milliseconds now = waited();
        if (now - m_toldAt < kSlice)
            return;
        m_told = true;
        m_toldAt = now;
        ServerWait::current().waiting(m_connection.m_server, now);
    }

private:
    ServerConnection& m_connection;
    std::chrono::steady_clock::time_point m_started;
    bool m_told = false;
    std::chrono::milliseconds m_toldAt{0};
};

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
    // A use from within a wait of this connection finds it as it is, and is refused.
    if (!connection->m_waiting &&
        (connection->m_broken || PQstatus(connection->m_connection) != CONNECTION_OK))
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

ServerConnection::ServerConnection(const QString& uri) : m_uri(uri), m_server(displayName(uri)) {}

void ServerConnection::connect()
{
    if (m_connection && m_process == ::getpid())
        PQfinish(m_connection);
    m_connection = nullptr;
    m_process = ::getpid();
    m_broken = true;
    // The URI's own settings come last and so win over these defaults. Keep-alives find a link that
    // went quiet in 19 s, and data left unacknowledged for 10 s ends the connection: both before the
    // answer's own bound.
    const std::pair<const char*, QByteArray> settings[] = {
        {"connect_timeout", QByteArray::number(kConnectTimeout.count())},
        {"keepalives", "1"},
        {"keepalives_idle", "10"},
        {"keepalives_interval", "3"},
        {"keepalives_count", "3"},
        {"tcp_user_timeout", "10000"},
        {"application_name", "telvara"},
        {"client_encoding", "UTF8"},
        {"dbname", m_uri.toUtf8()},
    };
    std::vector<const char*> keywords;
    std::vector<const char*> values;
    for (const auto& [keyword, value] : settings) {
        keywords.push_back(keyword);
        values.push_back(value.constData());
    }
    keywords.push_back(nullptr);
    values.push_back(nullptr);
    {
        // libpq bounds the connecting, host by host as the URI lists them; meanwhile this thread goes on
        // telling the wait, and takes no other use of the connection.
        Waiting wait(*this);
        std::future<PGconn*> made = std::async(
            std::launch::async, [&] { return PQconnectdbParams(keywords.data(), values.data(), 1); });
        while (made.wait_for(kSlice) != std::future_status::ready)
            wait.slice();
        m_connection = made.get();
    }
    if (PQstatus(m_connection) != CONNECTION_OK) {
        const QString message = QStringLiteral("Impossibile raggiungere il server dell'archivio %1.\nDettagli: %2")
                                    .arg(displayName(m_uri), firstLine(PQerrorMessage(m_connection)));
        PQfinish(m_connection);
        m_connection = nullptr;
        throw StorageError::server(message, QStringLiteral("connect"), displayName(m_uri));
    }
    // Notices (a table already there, and so on) are the server's business, not the terminal's.
    PQsetNoticeProcessor(m_connection, [](void*, const char*) {}, nullptr);
    // Nothing sent may block this thread: what the socket cannot take yet waits in slices.
    m_broken =
        PQsetnonblocking(m_connection, 1) != 0 || !PQsendQuery(m_connection, sessionBounds().constData());
    try {
        if (m_broken)
            fail(QString());
        answer(QString());
    } catch (const StorageError&) {
        m_broken = true;
        throw StorageError::server(
            QStringLiteral("Impossibile raggiungere il server dell'archivio %1.\nDettagli: %2")
                .arg(m_server, m_connection ? firstLine(PQerrorMessage(m_connection)) : m_lost),
            QStringLiteral("connect"), m_server);
    }
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
    const QString server = m_server;
    const QString detail = m_connection ? firstLine(PQerrorMessage(m_connection)) : m_lost;
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
    mayUse(archive);
    if (!PQsendQueryParams(m_connection, sql, count, nullptr, values.data(), lengths.data(), formats.data(),
                           binaryResult ? 1 : 0))
        lose(archive);
    ServerResult result = answer(archive);
    if (PQresultStatus(result.get()) == PGRES_COPY_IN) {
        abortCopy();
        fail(archive);
    }
    return result;
}

void ServerConnection::mayUse(const QString& archive) const
{
    if (m_waiting)
        throw StorageError::server(
            QStringLiteral("Il programma sta già attendendo il server dell'archivio %1.").arg(m_server),
            QStringLiteral("server"), archive);
    if (m_broken || !m_connection)
        fail(archive);
}

ServerResult ServerConnection::answer(const QString& archive)
{
    Waiting wait(*this);
    std::optional<ServerResult> last;
    std::optional<ServerResult> failure;
    for (;;) {
        await(false, wait, archive);
        PGresult* next = PQgetResult(m_connection);
        if (!next)
            break;
        ServerResult result(next);
        const ExecStatusType status = PQresultStatus(next);
        if (status == PGRES_COPY_IN)
            return result; // the rows follow from the caller
        if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) {
            if (!failure)
                failure = std::move(result);
            continue;
        }
        last = std::move(result);
    }
    if (failure || !last) {
        // An error the server did not send (no SQL state) is libpq's own: the connection is gone,
        // even where libpq has not yet noticed, and the next use makes a new one.
        m_broken = !failure || !PQresultErrorField(failure->get(), PG_DIAG_SQLSTATE);
        fail(archive);
    }
    return std::move(*last);
}

void ServerConnection::await(bool sentOnly, Waiting& wait, const QString& archive)
{
    for (;;) {
        const int unsent = PQflush(m_connection);
        if (unsent < 0)
            lose(archive);
        if (unsent == 0 && (sentOnly || !PQisBusy(m_connection)))
            return;
        if (wait.waited() >= kAnswerBound)
            giveUp(archive);
        pollfd socket{PQsocket(m_connection), short(POLLIN | (unsent > 0 ? POLLOUT : 0)), 0};
        if (socket.fd < 0)
            lose(archive);
        const int ready = ::poll(&socket, 1, int(kSlice.count()));
        if (ready < 0 && errno != EINTR)
            lose(archive);
        if (ready > 0 && (socket.revents & (POLLIN | POLLERR | POLLHUP)) != 0 &&
            !PQconsumeInput(m_connection))
            lose(archive);
        wait.slice();
    }
}

void ServerConnection::lose(const QString& archive)
{
    m_broken = true;
    fail(archive);
}

void ServerConnection::giveUp(const QString& archive)
{
    // A server that does not answer may have stopped, or the link to it may be gone. Closing the
    // connection ends whatever transaction it held: the server rolls it back when it notices.
    if (m_process == ::getpid())
        PQfinish(m_connection);
    m_connection = nullptr;
    m_broken = true;
    m_lost = QStringLiteral("nessuna risposta in %1 secondi").arg(kAnswerBound.count());
    throw StorageError::server(QStringLiteral("Il server dell'archivio %1 non ha risposto entro %2 secondi.")
                                   .arg(m_server)
                                   .arg(kAnswerBound.count()),
                               QStringLiteral("server"), archive);
}

void ServerConnection::beginCopy(const char* sql, const QString& archive)
{
    mayUse(archive);
    if (!PQsendQuery(m_connection, sql))
        lose(archive);
    const ServerResult start = answer(archive);
    if (PQresultStatus(start.get()) != PGRES_COPY_IN)
        fail(archive);
}

void ServerConnection::putCopy(QByteArrayView rows, const QString& archive)
{
    mayUse(archive);
    Waiting wait(*this);
    for (;;) {
        const int queued = PQputCopyData(m_connection, rows.constData(), static_cast<int>(rows.size()));
        if (queued < 0)
            lose(archive);
        if (queued == 1)
            break;
        await(true, wait, archive); // the buffer is full: what it holds goes first
    }
    await(true, wait, archive);
}

void ServerConnection::endCopy(const QString& archive)
{
    mayUse(archive);
    {
        Waiting wait(*this);
        for (;;) {
            const int queued = PQputCopyEnd(m_connection, nullptr);
            if (queued < 0)
                lose(archive);
            if (queued == 1)
                break;
            await(true, wait, archive);
        }
    }
    answer(archive);
}

void ServerConnection::abortCopy()
{
    if (m_broken || !m_connection || m_waiting)
        return;
    try {
        if (PQputCopyEnd(m_connection, "interrotto") < 0)
            lose(QString());
        answer(QString());
    } catch (const StorageError&) {
        // The COPY ended either way; the transaction is rolled back next.
    }
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
