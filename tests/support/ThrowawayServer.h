#pragma once

#include <QString>

// The tests' own PostgreSQL cluster (scripts/throwaway-postgres.sh): made at first use in a folder of its
// own, reached only through a socket there, stopped and removed when the test program ends. Each test
// takes a fresh database, so that nothing one test leaves is seen by the next.
class ThrowawayServer
{
public:
    static ThrowawayServer& shared();

    // The URI of a new, empty database on the server.
    QString freshDatabase();

    // Stops the server at once, as a crash or a pulled cable does; and starts it again on the same data.
    void kill();
    void restart();

    ~ThrowawayServer();
    ThrowawayServer(const ThrowawayServer&) = delete;
    ThrowawayServer& operator=(const ThrowawayServer&) = delete;

private:
    ThrowawayServer();
    QString uri(const QString& database) const;

    QString m_folder;
    int m_databases = 0;
};
