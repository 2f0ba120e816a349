#pragma once

#include <QString>

// A PostgreSQL cluster of the tests' own (scripts/throwaway-postgres.sh): made in a folder of its own,
// reached only through a socket there, stopped and removed when it goes. Each test takes a fresh
// database, so that nothing one test leaves is seen by the next.
class ThrowawayServer
{
public:
    // The cluster most tests share, made at first use and gone when the test program ends.
    static ThrowawayServer& shared();

    // A cluster of its own, named for the folder it lives in; and a streaming standby of primary.
    explicit ThrowawayServer(const QString& name);
    ThrowawayServer(const QString& name, const ThrowawayServer& primary);
    ~ThrowawayServer();
    ThrowawayServer(const ThrowawayServer&) = delete;
    ThrowawayServer& operator=(const ThrowawayServer&) = delete;

    // The folder of its socket, which is its host in a connection URI.
    const QString& folder() const { return m_folder; }
    QString uri(const QString& database) const;

    // The URI of a new, empty database on the server.
    QString freshDatabase();

    // Stops the server at once, as a crash or a pulled cable does; and starts it again on the same data.
    void kill();
    void restart();
    // Makes a standby a primary of its own.
    void promote();

private:
    QString m_folder;
    int m_databases = 0;
};
