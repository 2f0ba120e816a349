#pragma once

#include <chrono>
#include <QString>

// What a thread does while it waits on an archive's server, so that a window keeps repainting and says
// what it is waiting for. One is installed for the program; the default does nothing.
class ServerWait
{
public:
    virtual ~ServerWait() = default;

    // Called at every slice of a wait on server (as the user knows it), with the time waited so far.
    virtual void waiting(const QString& server, std::chrono::milliseconds waited) noexcept = 0;
    // Called once when a wait for which waiting() was called ends, answered or not.
    virtual void ended() noexcept = 0;

    static ServerWait& current();
    // nullptr puts back the default, which does nothing.
    static void install(ServerWait* wait);
};
