#include "storage/RollbackJournal.h"

#include "storage/FileIo.h"
#include "storage/StorageError.h"

#include <cerrno>
#include <cstring>
#include <optional>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <sys/stat.h>

namespace {

// An entry: magic "TVJ2", the archive's file name (length, UTF-8), the record number, the record size, the
// old bytes, the new bytes, and a checksum of everything before it. Entries of the first format ("TVJ1",
// with neither the name nor the new bytes) are still read.
constexpr char kMagic[4] = {'T', 'V', 'J', '2'};
constexpr char kFirstMagic[4] = {'T', 'V', 'J', '1'};
constexpr int kFirstHeaderSize = 4 + 8 + 4;
constexpr int kChecksumSize = 8;

quint64 fnv1a(QByteArrayView bytes)
{
    quint64 hash = 14695981039346656037ULL;
    for (const char c : bytes) {
        hash ^= quint8(c);
        hash *= 1099511628211ULL;
    }
    return hash;
}

QByteArray entry(const QString& archive, qint64 number, QByteArrayView oldBytes, QByteArrayView newBytes)
{
    const QByteArray name = QFileInfo(archive).fileName().toUtf8();
    QByteArray bytes(kMagic, 4);
    bytes.resize(4 + 2);
    qToLittleEndian<quint16>(quint16(name.size()), bytes.data() + 4);
    bytes.append(name);
    const qsizetype at = bytes.size();
    bytes.resize(at + 8 + 4);
    qToLittleEndian<qint64>(number, bytes.data() + at);
    qToLittleEndian<qint32>(qint32(oldBytes.size()), bytes.data() + at + 8);
    bytes.append(oldBytes).append(newBytes);
    QByteArray checksum(kChecksumSize, Qt::Uninitialized);
    qToLittleEndian<quint64>(fnv1a(bytes), checksum.data());
    return bytes + checksum;
}

// What a whole entry holds; the new bytes are missing from an entry of the first format.
struct Entry
{
    QByteArray archiveName;
    qint64 number = 0;
    QByteArrayView oldBytes;
    std::optional<QByteArrayView> newBytes;
};

bool checksumHolds(QByteArrayView journal)
{
    const qsizetype body = journal.size() - kChecksumSize;
    return qFromLittleEndian<quint64>(journal.constData() + body) == fnv1a(journal.first(body));
}

// The entry a journal holds for records of recordSize bytes, or nothing when it is not whole.
std::optional<Entry> parse(QByteArrayView journal, int recordSize)
{
    if (journal.size() < 4 + kChecksumSize)
        return std::nullopt;
    if (std::memcmp(journal.constData(), kFirstMagic, 4) == 0) {
        if (journal.size() != kFirstHeaderSize + recordSize + kChecksumSize ||
            qFromLittleEndian<qint32>(journal.constData() + 12) != recordSize || !checksumHolds(journal))
            return std::nullopt;
        return Entry{{},
                     qFromLittleEndian<qint64>(journal.constData() + 4),
                     journal.sliced(kFirstHeaderSize, recordSize),
                     std::nullopt};
    }
    if (std::memcmp(journal.constData(), kMagic, 4) != 0 || journal.size() < 6)
        return std::nullopt;
    const qsizetype nameSize = qFromLittleEndian<quint16>(journal.constData() + 4);
    const qsizetype header = 6 + nameSize + 8 + 4;
    if (journal.size() != header + 2 * qsizetype(recordSize) + kChecksumSize ||
        qFromLittleEndian<qint32>(journal.constData() + header - 4) != recordSize || !checksumHolds(journal))
        return std::nullopt;
    return Entry{journal.sliced(6, nameSize).toByteArray(),
                 qFromLittleEndian<qint64>(journal.constData() + 6 + nameSize),
                 journal.sliced(header, recordSize), journal.sliced(header + recordSize, recordSize)};
}

// Whether every byte of the record is the old or the new one at its place: what an overwrite of it leaves
// wherever it stopped.
bool madeOf(QByteArrayView record, QByteArrayView oldBytes, QByteArrayView newBytes)
{
    for (qsizetype i = 0; i < record.size(); ++i)
        if (record[i] != oldBytes[i] && record[i] != newBytes[i])
            return false;
    return true;
}

void writeAll(int fd, QByteArrayView bytes, qint64 offset, const QString& path)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = FileIo::current().pwrite(fd, bytes.constData() + done,
                                                   std::size_t(bytes.size() - done), off_t(offset + done));
        if (n <= 0)
            throw StorageError(QStringLiteral("journal"), path, n < 0 ? errno : EIO);
        done += n;
    }
}

// size bytes of fd from offset. Throws StorageError naming path.
QByteArray readAll(int fd, qint64 size, off_t offset, const QString& path)
{
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    qint64 done = 0;
    while (done < size) {
        const ssize_t n =
            FileIo::current().pread(fd, bytes.data() + done, std::size_t(size - done), off_t(offset + done));
        if (n <= 0)
            throw StorageError(QStringLiteral("journal"), path, n < 0 ? errno : EIO);
        done += n;
    }
    return bytes;
}

// The whole journal file; empty when there is none. A link in its place is refused, never followed.
QByteArray readJournal(const QString& path)
{
    FileIo& io = FileIo::current();
    const int fd = io.open(path, false, false);
    if (fd < 0) {
        if (errno == ENOENT)
            return {};
        if (errno == ELOOP)
            throw StorageError::link(path);
        throw StorageError(QStringLiteral("journal"), path, errno);
    }
    QByteArray bytes;
    try {
        const off_t size = io.size(fd);
        if (size < 0)
            throw StorageError(QStringLiteral("journal"), path, errno);
        if (size < (1 << 24))
            bytes = readAll(fd, size, 0, path);
    } catch (const StorageError&) {
        io.close(fd);
        throw;
    }
    io.close(fd);
    return bytes;
}

void removeJournal(const QString& path)
{
    if (FileIo::current().remove(path) != 0 && errno != ENOENT)
        throw StorageError(QStringLiteral("journal"), path, errno);
}

} // namespace

QString RollbackJournal::pathOf(const QString& archive)
{
    return archive + QStringLiteral("-journal");
}

bool RollbackJournal::existsFor(const QString& archive)
{
    struct stat info = {};
    return ::lstat(QFile::encodeName(pathOf(archive)).constData(), &info) == 0;
}

RollbackJournal::RollbackJournal(const QString& archive, qint64 number, QByteArrayView oldBytes,
                                 QByteArrayView newBytes)
    : m_path(pathOf(archive)), m_entry(entry(archive, number, oldBytes, newBytes))
{
    FileIo& io = FileIo::current();
    m_fd = io.open(m_path, true, false);
    if (m_fd < 0)
        throw errno == ELOOP ? StorageError::link(m_path)
                             : StorageError(QStringLiteral("journal"), m_path, errno);
    try {
        // A second name of another file (a hard link) would be emptied and written through.
        struct stat info = {};
        if (::fstat(m_fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_nlink != 1)
            throw StorageError::notRegularFile(m_path);
        if (io.truncate(m_fd, 0) != 0)
            throw StorageError(QStringLiteral("journal"), m_path, errno);
        writeAll(m_fd, m_entry, 0, m_path);
        // The journal, and its name in the folder, are durable before the archive is touched.
        if (io.sync(m_fd) != 0 || io.syncFolder(QFileInfo(archive).absolutePath()) != 0)
            throw StorageError(QStringLiteral("journal"), m_path, errno);
    } catch (const StorageError&) {
        // The archive is not touched yet: a journal is only in the way.
        const int saved = errno;
        io.close(m_fd);
        io.remove(m_path);
        errno = saved;
        throw;
    }
}

RollbackJournal::~RollbackJournal()
{
    if (m_fd >= 0)
        FileIo::current().close(m_fd);
}

void RollbackJournal::commit()
{
    FileIo& io = FileIo::current();
    // An empty journal puts nothing back: once it is emptied durably the overwrite stands. Removing the
    // file is tidying.
    if (io.truncate(m_fd, 0) != 0)
        throw StorageError(QStringLiteral("journal"), m_path, errno);
    if (io.sync(m_fd) != 0) {
        // Whether the emptying reached the disk is unknown: the journal is made whole again, so that the
        // old record is what comes back however the failure ends.
        const int saved = errno;
        try {
            writeAll(m_fd, m_entry, 0, m_path);
            io.sync(m_fd);
        } catch (const StorageError&) {
        }
        throw StorageError(QStringLiteral("journal"), m_path, saved);
    }
    discard();
}

void RollbackJournal::discard()
{
    FileIo& io = FileIo::current();
    if (m_fd >= 0)
        io.close(m_fd);
    m_fd = -1;
    io.remove(m_path);
}

qint64 RollbackJournal::rollBack(const QString& archive, int archiveFd, int recordSize)
{
    const QString path = pathOf(archive);
    const QByteArray journal = readJournal(path);
    const std::optional<Entry> found = parse(journal, recordSize);
    FileIo& io = FileIo::current();
    const off_t size = io.size(archiveFd);
    if (size < 0)
        throw StorageError(QStringLiteral("size"), archive, errno);
    // A journal cut short was being written when its writer stopped: the archive was not touched yet.
    if (!found || found->number < 1 || found->number > size / recordSize) {
        removeJournal(path);
        return 0;
    }
    const off_t offset = off_t((found->number - 1) * recordSize);
    if (found->newBytes) {
        // The journal of another archive, or of this name before another file took its place.
        const QByteArray record = readAll(archiveFd, recordSize, offset, archive);
        if (found->archiveName != QFileInfo(archive).fileName().toUtf8() ||
            !madeOf(record, found->oldBytes, *found->newBytes)) {
            removeJournal(path);
            return 0;
        }
    }
    writeAll(archiveFd, found->oldBytes, offset, archive);
    if (io.sync(archiveFd) != 0)
        throw StorageError(QStringLiteral("sync"), archive, errno);
    removeJournal(path);
    return found->number;
}
