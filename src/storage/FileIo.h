#pragma once

#include <cstddef>
#include <QString>
#include <sys/types.h>

// The operating-system calls under the record files and exports. Tests install a stand-in that fails a
// chosen call; the program uses the POSIX one. Every call reports failure through errno.
class FileIo
{
public:
    virtual ~FileIo() = default;

    // The file descriptor, or -1. Creates a missing file when asked to. A name that is a symbolic link is
    // never followed (ELOOP): a link in a shared folder must not lead a write to a file outside it.
    virtual int open(const QString& path, bool create, bool truncate) = 0;
    virtual int close(int fd) = 0;
    // Size in bytes, or -1.
    virtual off_t size(int fd) = 0;
    virtual ssize_t pread(int fd, void* buffer, std::size_t count, off_t offset) = 0;
    virtual ssize_t pwrite(int fd, const void* buffer, std::size_t count, off_t offset) = 0;
    virtual int truncate(int fd, off_t size) = 0;
    virtual int sync(int fd) = 0;
    // An exclusive advisory lock over the whole file, waiting for it; and its release. The lock belongs to
    // the open file, so two opens in one process exclude each other as two workstations do.
    virtual int lock(int fd) = 0;
    virtual int unlock(int fd) = 0;
    // Replaces to by from in one step (both in the same folder), as rename(2).
    virtual int rename(const QString& from, const QString& to) = 0;
    // A new file for writing; fails with EEXIST when the name is taken.
    virtual int createNew(const QString& path) = 0;
    // Removes a file, as unlink(2).
    virtual int remove(const QString& path) = 0;
    // Makes the folder's list of names durable: a file just created in it survives a power loss.
    virtual int syncFolder(const QString& folder) = 0;

    // The calls every file operation goes through.
    static FileIo& current();
    // Installs a stand-in (nullptr restores the real calls); the caller keeps ownership.
    static void install(FileIo* io);
};

// The real calls.
class PosixFileIo : public FileIo
{
public:
    int open(const QString& path, bool create, bool truncate) override;
    int close(int fd) override;
    off_t size(int fd) override;
    ssize_t pread(int fd, void* buffer, std::size_t count, off_t offset) override;
    ssize_t pwrite(int fd, const void* buffer, std::size_t count, off_t offset) override;
    int truncate(int fd, off_t size) override;
    int sync(int fd) override;
    int lock(int fd) override;
    int unlock(int fd) override;
    int rename(const QString& from, const QString& to) override;
    int createNew(const QString& path) override;
    int remove(const QString& path) override;
    int syncFolder(const QString& folder) override;
};
