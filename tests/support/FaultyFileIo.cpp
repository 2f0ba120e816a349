#include "FaultyFileIo.h"

#include <cerrno>
#include <thread>
#include <unistd.h>

FaultyFileIo::FaultyFileIo()
{
    FileIo::install(this);
}

FaultyFileIo::~FaultyFileIo()
{
    FileIo::install(nullptr);
}

void FaultyFileIo::failAt(Call call, int k, int errorNumber, bool persistent)
{
    m_call = call;
    m_at = m_counts[call] + k;
    m_errno = errorNumber;
    m_persistent = persistent;
}

bool FaultyFileIo::shouldFail(Call call)
{
    const int n = ++m_counts[call];
    ++m_counts[AnyCall];
    const int counted = m_call == AnyCall ? m_counts[AnyCall] : n;
    if (m_at == 0 || (m_call != AnyCall && m_call != call))
        return false;
    if (counted == m_at || (m_persistent && counted > m_at)) {
        errno = m_errno;
        return true;
    }
    return false;
}

int FaultyFileIo::open(const QString& path, bool create, bool truncate)
{
    return shouldFail(Open) ? -1 : PosixFileIo::open(path, create, truncate);
}

int FaultyFileIo::close(int fd)
{
    if (shouldFail(Close)) {
        PosixFileIo::close(fd);
        return -1;
    }
    return PosixFileIo::close(fd);
}

off_t FaultyFileIo::size(int fd)
{
    return shouldFail(Size) ? -1 : PosixFileIo::size(fd);
}

ssize_t FaultyFileIo::pread(int fd, void* buffer, std::size_t count, off_t offset)
{
    std::this_thread::sleep_for(m_delays[Read]);
    return shouldFail(Read) ? -1 : PosixFileIo::pread(fd, buffer, count, offset);
}

ssize_t FaultyFileIo::pwrite(int fd, const void* buffer, std::size_t count, off_t offset)
{
    std::this_thread::sleep_for(m_delays[Write]);
    if (!shouldFail(Write))
        return PosixFileIo::pwrite(fd, buffer, count, offset);
    if (m_tear && count > 1) {
        const int saved = errno;
        PosixFileIo::pwrite(fd, buffer, count / 2, offset);
        errno = saved;
    }
    return -1;
}

int FaultyFileIo::truncate(int fd, off_t size)
{
    return shouldFail(Truncate) ? -1 : PosixFileIo::truncate(fd, size);
}

int FaultyFileIo::sync(int fd)
{
    return shouldFail(Sync) ? -1 : PosixFileIo::sync(fd);
}

int FaultyFileIo::lock(int fd)
{
    return shouldFail(Lock) ? -1 : PosixFileIo::lock(fd);
}

int FaultyFileIo::rename(const QString& from, const QString& to)
{
    return shouldFail(Rename) ? -1 : PosixFileIo::rename(from, to);
}

int FaultyFileIo::createNew(const QString& path)
{
    return shouldFail(Open) ? -1 : PosixFileIo::createNew(path);
}

int FaultyFileIo::remove(const QString& path)
{
    return shouldFail(Remove) ? -1 : PosixFileIo::remove(path);
}

int FaultyFileIo::syncFolder(const QString& folder)
{
    return shouldFail(SyncFolder) ? -1 : PosixFileIo::syncFolder(folder);
}
