#include "HeldTables.h"

#include "storage/ServerConnection.h"
#include "storage/StorageError.h"

#include <sys/wait.h>
#include <unistd.h>

HeldTables::HeldTables(const QString& uri, const QStringList& tables)
{
    int taken[2];
    int release[2];
    if (::pipe(taken) != 0 || ::pipe(release) != 0)
        return;
    m_holder = ::fork();
    if (m_holder == 0) {
        ::close(taken[0]);
        ::close(release[1]);
        try {
            ServerConnection& connection = ServerConnection::to(uri);
            connection.exec("BEGIN");
            const QByteArray lock =
                "LOCK TABLE " + tables.join(QStringLiteral(", ")).toUtf8() + " IN ACCESS EXCLUSIVE MODE";
            connection.exec(lock.constData());
            const char yes = 1;
            if (::write(taken[1], &yes, 1) != 1)
                ::_exit(1);
        } catch (const StorageError&) {
            ::_exit(1);
        }
        char ignored;
        while (::read(release[0], &ignored, 1) > 0) {
        }
        ::_exit(0);
    }
    ::close(taken[1]);
    ::close(release[0]);
    m_release = release[1];
    char answer = 0;
    m_held = m_holder > 0 && ::read(taken[0], &answer, 1) == 1 && answer == 1;
    ::close(taken[0]);
}

HeldTables::~HeldTables()
{
    release();
}

void HeldTables::release()
{
    if (m_release >= 0)
        ::close(m_release);
    m_release = -1;
    if (m_holder > 0)
        ::waitpid(m_holder, nullptr, 0);
    m_holder = -1;
    m_held = false;
}
