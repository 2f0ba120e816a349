#pragma once

#include "storage/ServerConnection.h"
#include "storage/StorageError.h"

#include <optional>
#include <QString>

// A transaction that writes, knowing its id: when the answer to its COMMIT is lost with the connection,
// the server is asked, once connected again, whether it committed, so that a saved card is never told
// as lost (and saved again by a second try).
class ServerWrite
{
public:
    // Begins the transaction and takes its id. Throws StorageError.
    ServerWrite(ServerConnection& connection, const QString& archive);
    ServerWrite(const ServerWrite&) = delete;
    ServerWrite& operator=(const ServerWrite&) = delete;

    qint64 id() const { return m_id; }

    // Returns when the server committed, even where its answer was lost. Throws the failure when it did
    // not, and a StorageError of operation kUncertain when the server cannot be asked.
    void commit();

    // Whether the transaction id committed: true, false, or nothing while the server cannot tell (it is
    // still at work on it, or cannot be reached: then throws StorageError).
    static std::optional<bool> committed(ServerConnection& connection, qint64 id, const QString& archive);

    // The operation of the failure whose outcome is unknown.
    static constexpr char kUncertain[] = "commit";
    static StorageError uncertain(const ServerConnection& connection, const QString& archive);

private:
    ServerConnection& m_connection;
    QString m_archive;
    ServerTransaction m_transaction;
    qint64 m_id = 0;
};
