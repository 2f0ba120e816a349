#pragma once

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
// throws StorageError with a message in Italian that names the server. Connecting gives up after a few
// seconds; a connection that goes quiet is found dead by keep-alives rather than waited on forever.
class ServerConnection
{
public:
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
    explicit ServerConnection(const QString& uri);
    // (Re)connects; throws StorageError naming the server when it cannot be reached.
    void connect();

    QString m_uri;
    pg_conn* m_connection = nullptr;
    qint64 m_process = 0; // the process that connected
    bool m_broken = true; // until connected
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
