#include "storage/ServerWrite.h"

#include "storage/StorageError.h"

#include <QThread>

ServerWrite::ServerWrite(ServerConnection& connection, const QString& archive)
    : m_connection(connection), m_archive(archive), m_transaction(connection, archive)
{
    m_id = m_connection.exec("SELECT txid_current()", {}, false, m_archive)
               .value(0, 0)
               .toByteArray()
               .toLongLong();
}

void ServerWrite::commit()
{
    try {
        m_transaction.commit();
    } catch (const StorageError&) {
        std::optional<bool> done;
        try {
            // The same connection, made again in place where it was lost.
            done = committed(ServerConnection::to(m_connection.uri()), m_id, m_archive);
        } catch (const StorageError&) {
            throw uncertain(m_connection, m_archive);
        }
        if (!done)
            throw uncertain(m_connection, m_archive);
        if (!*done)
            throw;
    }
}

std::optional<bool> ServerWrite::committed(ServerConnection& connection, qint64 id, const QString& archive)
{
    // A session whose client went away ends its transaction within moments; a little patience turns
    // "in progress" into the answer.
    for (int attempt = 0; attempt < 50; ++attempt) {
        // An id past every one the server has given out belonged to a transaction lost in a crash before
        // it wrote anything that lasts: the server does not know it, and it did not commit.
        const ServerResult status = connection.exec(
            "SELECT CASE WHEN $1::bigint >= txid_snapshot_xmax(txid_current_snapshot()) THEN 'aborted' "
            "ELSE txid_status($1) END",
            {ServerParameter::integer(id)}, false, archive);
        const QByteArrayView answer = status.value(0, 0);
        if (answer == QByteArrayView("committed"))
            return true;
        if (answer == QByteArrayView("aborted"))
            return false;
        if (status.isNull(0, 0))
            return std::nullopt; // too old for the server to remember
        QThread::msleep(100);
    }
    return std::nullopt;
}

StorageError ServerWrite::uncertain(const ServerConnection& connection, const QString& archive)
{
    return StorageError::server(
        QStringLiteral(
            "Collegamento con il server dell'archivio %1 interrotto durante il salvataggio: non è "
            "possibile sapere se la scheda è stata salvata. Ripetere il salvataggio quando il server è "
            "raggiungibile: una scheda nuova già salvata non viene inserita due volte.")
            .arg(ServerConnection::displayName(connection.uri())),
        QLatin1StringView(kUncertain), archive);
}
