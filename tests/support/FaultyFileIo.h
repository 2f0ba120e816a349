#pragma once

#include "storage/FileIo.h"

#include <chrono>
#include <QString>

// The real file calls, except that the k-th call of a chosen kind fails (once, or from then on) with a
// chosen errno. Installs itself while it lives.
class FaultyFileIo : public PosixFileIo
{
public:
    enum Call { Open, Close, Size, Read, Write, Truncate, Sync, Lock, Rename, Remove, SyncFolder, AnyCall };

    FaultyFileIo();
    ~FaultyFileIo() override;

    // Fails the k-th call (1-based) of that kind; every later one too when persistent.
    void failAt(Call call, int k, int errorNumber = EIO, bool persistent = false);
    int calls(Call call) const { return m_counts[call]; }
    // A failing write first writes the first half of its bytes, as a write cut short by a kill or a
    // power loss leaves them.
    void tearFailingWrites() { m_tear = true; }

    // Every later Read or Write takes at least this long, as over a slow shared folder.
    void slowDown(Call call, std::chrono::milliseconds delay) { m_delays[call] = delay; }

    int open(const QString& path, bool create, bool truncate) override;
    int close(int fd) override;
    off_t size(int fd) override;
    ssize_t pread(int fd, void* buffer, std::size_t count, off_t offset) override;
    ssize_t pwrite(int fd, const void* buffer, std::size_t count, off_t offset) override;
    int truncate(int fd, off_t size) override;
    int sync(int fd) override;
    int lock(int fd) override;
    int rename(const QString& from, const QString& to) override;
    // Counted as an Open.
    int createNew(const QString& path) override;
    int remove(const QString& path) override;
    int syncFolder(const QString& folder) override;

private:
    bool shouldFail(Call call);

    int m_counts[AnyCall + 1] = {};
    Call m_call = AnyCall;
    int m_at = 0;
    int m_errno = 0;
    bool m_persistent = false;
    bool m_tear = false;
    std::chrono::milliseconds m_delays[AnyCall + 1] = {};
};
