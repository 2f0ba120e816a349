#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>

struct pg_conn;
struct pg_result;

// A statement's answer from the server; frees itself.
class ServerResult
{
public:
    explicit ServerResult(pg_result* result) : m_result(result) {}

    pg_result* get() const { return m_result.get(); }
    int rows() const;
    bool isNull(int row, int column) const;
    // A column's value as the server sent it (binary results: the raw bytes).
    QByteArrayView value(int row, int column) const;
    // A bigint column of a binary result.
    qint64 integer(int row, int column) const;
    // The rows an UPDATE or INSERT touched.
    qint64 affected() const;

private:
    struct Clear
    {
        void operator()(pg_result* result) const;
    };
    std::unique_ptr<pg_result, Clear> m_result;
};

// One value bound to a statement's parameter: text, or bytes sent as binary, or SQL's NULL.
struct ServerParameter
{
    std::optional<QByteArray> value;
    bool binary = false;

    static ServerParameter text(QByteArray value) { return {std::move(value), false}; }
    static ServerParameter bytes(QByteArray value) { return {std::move(value), true}; }
    static ServerParameter null() { return {std::nullopt, false}; }
    static ServerParameter integer(qint64 value) { return text(QByteArray::number(value)); }
};

// The connection of this thread to one PostgreSQL server, made at first use and made again by the next
// use after it was lost. Parameters are always bound, never spliced into the statement. Every failure
// throws StorageError with a message in Italian that names the server. Every wait on the server is
// bounded, and is spent in short slices that call the installed ServerWait, so that a window keeps
// repainting: connecting gives up after libpq's connect_timeout, a lock after kLockTimeout, a statement
// after kStatementTimeout on the server's side and after kAnswerBound on this side, where a server
// that has stopped cannot say so.
class ServerConnection
{
public:
    static constexpr std::chrono::seconds kConnectTimeout{5};
    static constexpr std::chrono::seconds kLockTimeout{5};
    static constexpr std::chrono::seconds kStatementTimeout{15};
    static constexpr std::chrono::seconds kAnswerBound{20};
    static constexpr std::chrono::milliseconds kSlice{50};

    // This thread's connection to uri. Throws StorageError when the server cannot be reached.
    static ServerConnection& to(const QString& uri);

    // What is wrong with a server's address, in Italian, or an empty text: it must be a connection URI or
    // string libpq reads, and must hold no password (those come from ~/.pgpass or PGPASSFILE).
    static QString addressProblem(const QString& uri);

    // "host:port/database" as the user knows the server, without any password.
    static QString displayName(const QString& uri);

    // The address this connection was made to.
    const QString& uri() const { return m_uri; }

    // Runs sql with its parameters; binaryResult asks for the columns in binary form. Throws StorageError.
    ServerResult exec(const char* sql, const QList<ServerParameter>& parameters = {},
                      bool binaryResult = false, const QString& archive = {});

    // A COPY ... FROM STDIN statement: begun, fed rows already in COPY's text form, ended.
    void beginCopy(const char* sql, const QString& archive);
    void putCopy(QByteArrayView rows, const QString& archive);
    void endCopy(const QString& archive);
    // Ends a COPY that failed halfway, so that the transaction can be rolled back.
    void abortCopy();

    // What this thread has learnt of the server (a table made, an index looked for): what is known
    // needs no statement again.
    bool knows(const QString& what) const;
    void learn(const QString& what);

    // The failure to throw after the server refused or the connection broke.
    [[noreturn]] void fail(const QString& archive) const;

    ~ServerConnection();
    ServerConnection(const ServerConnection&) = delete;
    ServerConnection& operator=(const ServerConnection&) = delete;

private:
    class Waiting;

    explicit ServerConnection(const QString& uri);
    // (Re)connects; throws StorageError naming the server when it cannot be reached.
    void connect();
    // Refuses a use while this connection waits (a use from within the wait's own event handling) or
    // after it was lost.
    void mayUse(const QString& archive) const;
    // The answer to what was sent: its last result, or the COPY it began. Throws StorageError.
    ServerResult answer(const QString& archive);
    // Waits in slices until everything queued is sent and, unless sentOnly, the next result has come.
    void await(bool sentOnly, Waiting& wait, const QString& archive);
    // Drops a connection that broke, or that the server left unanswered past the bound, and throws.
    [[noreturn]] void lose(const QString& archive);
    [[noreturn]] void giveUp(const QString& archive);

    QString m_uri;
    QString m_server; // displayName(m_uri)
    pg_conn* m_connection = nullptr;
    qint64 m_process = 0; // the process that connected
    bool m_broken = true; // until connected
    bool m_waiting = false;
    QString m_lost; // why a connection given up on is gone
    QSet<QString> m_known;
};

// A transaction on a connection: begun when made, rolled back when it ends without commit().
class ServerTransaction
{
public:
    ServerTransaction(ServerConnection& connection, const QString& archive);
    ~ServerTransaction();
    ServerTransaction(const ServerTransaction&) = delete;
    ServerTransaction& operator=(const ServerTransaction&) = delete;

    void commit();

private:
    ServerConnection& m_connection;
    QString m_archive;
    bool m_open = true;
};
