#pragma once

#include <QString>
#include <QTemporaryDir>
#include <sys/types.h>

class ThrowawayServer;

// A relay, in a process of its own, between this process's connections and a throwaway server, that
// cuts a connection at its next COMMIT when told: before the server gets the COMMIT, or once the server
// has answered it and before the answer reaches the client; and can kill the server at that moment, so
// that the client cannot ask again. Every other byte passes unchanged.
class ConnectionCutter
{
public:
    enum class Cut { BeforeCommit, AnswerLost };

    explicit ConnectionCutter(const ThrowawayServer& server);
    ~ConnectionCutter();
    ConnectionCutter(const ConnectionCutter&) = delete;
    ConnectionCutter& operator=(const ConnectionCutter&) = delete;

    // A URI of the server that goes through the relay.
    QString uri(const QString& serverUri) const;

    // The next COMMIT of any connection is cut so.
    void arm(Cut cut, bool killServer);

private:
    QTemporaryDir m_folder;
    QString m_serverFolder;
    pid_t m_relay = -1;
    int m_orders = -1; // the pipe the relay takes its orders from
};
