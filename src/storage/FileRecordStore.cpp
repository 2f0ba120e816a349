#include "storage/FileRecordStore.h"

#include "storage/FileIo.h"
#include "storage/RollbackJournal.h"
#include "storage/StorageError.h"

#include <cerrno>
#include <QFile>
#include <sys/stat.h>

namespace {

// Whether path still names the file open as fd.
bool stillNamed(int fd, const QString& path)
{
    struct stat open = {};
    struct stat named = {};
    return ::fstat(fd, &open) == 0 && ::lstat(QFile::encodeName(path).constData(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

// Releases the writer's lock however the write ends.
class WriteLock
{
public:
    WriteLock(int fd, const QString& path) : m_fd(fd)
    {
        if (FileIo::current().lock(fd) != 0)
            throw StorageError(QStringLiteral("lock"), path, errno);
        // Another file put in the archive's place while this one was open (a backup renamed over it): a
        // write to this one would be lost with it, and reported done.
        if (!stillNamed(fd, path)) {
            FileIo::current().unlock(fd);
            throw StorageError(QStringLiteral("lock"), path, ESTALE);
        }
    }
    ~WriteLock() { FileIo::current().unlock(m_fd); }
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;

private:
    int m_fd;
};

} // namespace

FileRecordStore::FileRecordStore(const QString& path, const RecordLayout& layout) : m_path(path), m_layout(layout)
{
    m_fd = FileIo::current().open(path, true, false);
    if (m_fd < 0)
        throw errno == ELOOP ? StorageError::link(path) : StorageError(QStringLiteral("open"), path, errno);
    // A FIFO or a device would read as an empty archive, and an export of it as an empty file.
    struct stat info = {};
    if (::fstat(m_fd, &info) == 0 && !S_ISREG(info.st_mode)) {
        FileIo::current().close(m_fd);
        throw StorageError::notRegularFile(path);
    }
    if (RollbackJournal::existsFor(path)) {
        // Either another writer is in the middle of an overwrite, and its journal is gone once the lock
        // is ours, or one was interrupted and its old record goes back before anything is read.
        try {
            WriteLock lock(m_fd, m_path);
            rollBackLocked();
        } catch (const StorageError&) {
            FileIo::current().close(m_fd);
            throw;
        }
    }
}

FileRecordStore::~FileRecordStore()
{
    FileIo::current().close(m_fd);
}

qint64 FileRecordStore::fileSize() const
{
    const off_t size = FileIo::current().size(m_fd);
    if (size < 0)
        throw StorageError(QStringLiteral("size"), m_path, errno);
    return size;
}

qint64 FileRecordStore::count() const
{
    return fileSize() / m_layout.size();
}

qint64 FileRecordStore::trailingBytes() const
{
    return fileSize() % m_layout.size();
}

Record FileRecordStore::read(qint64 index) const
{
    if (index < 0 || index >= count())
        throw StorageError(QStringLiteral("read"), m_path, EINVAL);
    QByteArray bytes(m_layout.size(), Qt::Uninitialized);
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            FileIo::current().pread(m_fd, bytes.data() + done, static_cast<std::size_t>(bytes.size() - done),
                                    static_cast<off_t>(index * m_layout.size() + done));
        if (n <= 0)
            throw StorageError(QStringLiteral("read"), m_path, n < 0 ? errno : EIO);
        done += n;
    }
    return Record(m_layout, std::move(bytes));
}

void FileRecordStore::writeAt(qint64 offset, QByteArrayView bytes, const char* operation)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = FileIo::current().pwrite(m_fd, bytes.constData() + done,
                                                   static_cast<std::size_t>(bytes.size() - done),
                                                   static_cast<off_t>(offset + done));
        if (n <= 0)
            throw StorageError(QString::fromLatin1(operation), m_path, n < 0 ? errno : EIO);
        done += n;
    }
}

void FileRecordStore::rollBackLocked()
{
    if (!RollbackJournal::existsFor(m_path))
        return;
    if (const qint64 number = RollbackJournal::rollBack(m_path, m_fd, m_layout.size()))
        m_rolledBack = number;
}

void FileRecordStore::overwrite(qint64 number, const Record& record)
{
    Q_ASSERT(&record.layout() == &m_layout);
    WriteLock lock(m_fd, m_path);
    rollBackLocked();
    if (number < 1 || number > count())
        throw StorageError(QStringLiteral("overwrite"), m_path, EINVAL);
    overwriteLocked(number, record);
}

bool FileRecordStore::update(qint64 number, const std::function<bool(Record&)>& change)
{
    WriteLock lock(m_fd, m_path);
    rollBackLocked();
    if (number < 1 || number > count())
        throw StorageError(QStringLiteral("update"), m_path, EINVAL);
    Record record = read(number - 1);
    if (!change(record))
        return false;
    Q_ASSERT(&record.layout() == &m_layout);
    overwriteLocked(number, record);
    return true;
}

void FileRecordStore::overwriteLocked(qint64 number, const Record& record)
{
    const Record old = read(number - 1);
    const qint64 offset = (number - 1) * m_layout.size();
    RollbackJournal journal(m_path, number, old.bytes(), record.bytes());
    try {
        writeAt(offset, record.bytes(), "overwrite");
        if (FileIo::current().sync(m_fd) != 0)
            throw StorageError(QStringLiteral("sync"), m_path, errno);
        journal.commit();
    } catch (const StorageError&) {
        // Put the old record back now; when even that fails the journal stays whole, and the next open
        // of the file puts it back.
        const int saved = errno;
        try {
            writeAt(offset, old.bytes(), "overwrite");
            if (FileIo::current().sync(m_fd) == 0)
                journal.discard();
        } catch (const StorageError&) {
        }
        errno = saved;
        throw;
    }
}

qint64 FileRecordStore::append(std::span<const Record> records)
{
    WriteLock lock(m_fd, m_path);
    rollBackLocked();
    const qint64 size = fileSize();
    const qint64 first = size / m_layout.size();
    qint64 offset = first * m_layout.size();
    constexpr qsizetype kChunk = 1 << 22;
    QByteArray chunk;
    chunk.reserve(kChunk + m_layout.size());
    try {
        auto flush = [&] {
            writeAt(offset, chunk, "append");
            offset += chunk.size();
            chunk.resize(0); // keeps the buffer: no fresh pages to fault in for the next chunk
        };
        for (const Record& record : records) {
            Q_ASSERT(&record.layout() == &m_layout);
            chunk.append(record.bytes());
            if (chunk.size() >= kChunk)
                flush();
        }
        if (!chunk.isEmpty())
            flush();
        if (FileIo::current().sync(m_fd) != 0)
            throw StorageError(QStringLiteral("sync"), m_path, errno);
    } catch (const StorageError& error) {
        // Leave the file as it was: a half-written record would only become a tail to heal later.
        const int saved = errno;
        if (FileIo::current().truncate(m_fd, static_cast<off_t>(size)) != 0)
            throw StorageError(error, errno != 0 ? errno : EIO);
        errno = saved;
        throw;
    }
    return first + 1;
}

qint64 FileRecordStore::readBlock(char* buffer, qint64 first, qint64 wanted) const
{
    const qint64 size = m_layout.size();
    const qint64 bytes = wanted * size;
    qint64 done = 0;
    while (done < bytes) {
        const ssize_t n = FileIo::current().pread(m_fd, buffer + done, std::size_t(bytes - done),
                                                  off_t(first * size + done));
        if (n < 0)
            throw StorageError(QStringLiteral("scan"), m_path, errno);
        if (n == 0)
            break;
        done += n;
    }
    return done / size;
}
