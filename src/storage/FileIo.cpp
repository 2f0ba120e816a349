#include "storage/FileIo.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <QFile>
#include <sys/stat.h>
#include <unistd.h>

namespace {
PosixFileIo g_posix;
FileIo* g_current = &g_posix;
} // namespace

FileIo& FileIo::current()
{
    return *g_current;
}

void FileIo::install(FileIo* io)
{
    g_current = io ? io : &g_posix;
}

int PosixFileIo::open(const QString& path, bool create, bool truncate)
{
    // Not waiting on a FIFO's writer or a device's line; regular files ignore it.
    int flags = O_RDWR | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW;
    if (create)
        flags |= O_CREAT;
    if (truncate)
        flags |= O_TRUNC;
    const QByteArray native = QFile::encodeName(path);
    int fd;
    do {
        fd = ::open(native.constData(), flags, 0666);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

int PosixFileIo::close(int fd)
{
    return ::close(fd);
}

off_t PosixFileIo::size(int fd)
{
    struct stat info;
    if (::fstat(fd, &info) != 0)
        return -1;
    return info.st_size;
}

ssize_t PosixFileIo::pread(int fd, void* buffer, std::size_t count, off_t offset)
{
    ssize_t n;
    do {
        n = ::pread(fd, buffer, count, offset);
    } while (n < 0 && errno == EINTR);
    return n;
}

ssize_t PosixFileIo::pwrite(int fd, const void* buffer, std::size_t count, off_t offset)
{
    ssize_t n;
    do {
        n = ::pwrite(fd, buffer, count, offset);
    } while (n < 0 && errno == EINTR);
    return n;
}

int PosixFileIo::truncate(int fd, off_t size)
{
    return ::ftruncate(fd, size);
}

int PosixFileIo::sync(int fd)
{
    return ::fsync(fd);
}

int PosixFileIo::lock(int fd)
{
    struct flock request = {};
    request.l_type = F_WRLCK;
    request.l_whence = SEEK_SET;
    int result;
    do {
        result = ::fcntl(fd, F_OFD_SETLKW, &request);
    } while (result != 0 && errno == EINTR);
    return result;
}

int PosixFileIo::unlock(int fd)
{
    struct flock request = {};
    request.l_type = F_UNLCK;
    request.l_whence = SEEK_SET;
    return ::fcntl(fd, F_OFD_SETLK, &request);
}

int PosixFileIo::rename(const QString& from, const QString& to)
{
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData());
}

int PosixFileIo::createNew(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    int fd;
    do {
        fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

int PosixFileIo::remove(const QString& path)
{
    return ::unlink(QFile::encodeName(path).constData());
}

int PosixFileIo::syncFolder(const QString& folder)
{
    int fd;
    do {
        fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return -1;
    const int result = ::fsync(fd);
    const int saved = errno;
    ::close(fd);
    errno = saved;
    return result;
}
