#pragma once

#include <QStringList>
#include <sys/types.h>

// Tables of a server held by another session, as a workstation busy with them holds them: a process
// of its own takes them with LOCK TABLE ... IN ACCESS EXCLUSIVE MODE and keeps them until release() or
// the end of this object, when it ends and its session with it.
class HeldTables
{
public:
    HeldTables(const QString& uri, const QStringList& tables);
    ~HeldTables();
    HeldTables(const HeldTables&) = delete;
    HeldTables& operator=(const HeldTables&) = delete;

    // Whether the tables were taken.
    bool held() const { return m_held; }
    void release();

private:
    pid_t m_holder = -1;
    int m_release = -1; // closed to let the holder go
    bool m_held = false;
};
