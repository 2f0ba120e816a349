#include "storage/RollbackJournal.h"

#include "storage/FileIo.h"
#include "storage/StorageError.h"

#include <cerrno>
#include <cstring>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace {

constexpr char kMagic[4] = {'T', 'V', 'J', '1'};
// Magic, record number, record size; then the old bytes and a checksum of everything before it.
constexpr int kHeaderSize = 4 + 8 + 4;
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

QByteArray entry(qint64 number, QByteArrayView oldBytes)
{
    QByteArray bytes(kHeaderSize, Qt::Uninitialized);
    std::memcpy(bytes.data(), kMagic, 4);
    qToLittleEndian<qint64>(number, bytes.data() + 4);
    qToLittleEndian<qint32>(qint32(oldBytes.size()), bytes.data() + 12);
    bytes.append(oldBytes);
    QByteArray checksum(kChecksumSize, Qt::Uninitialized);
    qToLittleEndian<quint64>(fnv1a(bytes), checksum.data());
    return bytes + checksum;
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

// The whole journal file, or what of it could be read; empty when there is none.
QByteArray readJournal(const QString& path)
{
    FileIo& io = FileIo::current();
    const int fd = io.open(path, false, false);
    if (fd < 0) {
        if (errno == ENOENT)
            return {};
        throw StorageError(QStringLiteral("journal"), path, errno);
    }
    QByteArray bytes;
    const off_t size = io.size(fd);
    if (size > 0 && size < (1 << 24)) {
        bytes.resize(qsizetype(size));
        qint64 done = 0;
        while (done < size) {
            const ssize_t n = io.pread(fd, bytes.data() + done, std::size_t(size - done), off_t(done));
            if (n <= 0) {
                const int saved = n < 0 ? errno : EIO;
                io.close(fd);
                throw StorageError(QStringLiteral("journal"), path, saved);
            }
            done += n;
        }
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
    return QFileInfo::exists(pathOf(archive));
}

RollbackJournal::RollbackJournal(const QString& archive, qint64 number, QByteArrayView oldBytes)
    : m_path(pathOf(archive))
{
    FileIo& io = FileIo::current();
    m_fd = io.open(m_path, true, true);
    if (m_fd < 0)
        throw StorageError(QStringLiteral("journal"), m_path, errno);
    writeAll(m_fd, entry(number, oldBytes), 0, m_path);
    // The journal, and its name in the folder, are durable before the archive is touched.
    if (io.sync(m_fd) != 0 || io.syncFolder(QFileInfo(archive).absolutePath()) != 0)
        throw StorageError(QStringLiteral("journal"), m_path, errno);
}

RollbackJournal::~RollbackJournal()
{
    if (m_fd >= 0)
        FileIo::current().close(m_fd);
}

void RollbackJournal::commit()
{
    FileIo& io = FileIo::current();
    // An empty journal puts nothing back: once it is emptied the overwrite stands. Making the emptying
    // durable and removing the file are tidying; the archive's new bytes are already on disk.
    if (io.truncate(m_fd, 0) != 0)
        throw StorageError(QStringLiteral("journal"), m_path, errno);
    io.sync(m_fd);
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
    const qint64 number = journal.size() >= kHeaderSize ? qFromLittleEndian<qint64>(journal.constData() + 4) : 0;
    const bool whole = journal.size() == kHeaderSize + recordSize + kChecksumSize &&
                       std::memcmp(journal.constData(), kMagic, 4) == 0 &&
                       qFromLittleEndian<qint32>(journal.constData() + 12) == recordSize &&
                       qFromLittleEndian<quint64>(journal.constData() + kHeaderSize + recordSize) ==
                           fnv1a(QByteArrayView(journal).first(kHeaderSize + recordSize));
    FileIo& io = FileIo::current();
    const off_t size = io.size(archiveFd);
    if (size < 0)
        throw StorageError(QStringLiteral("size"), archive, errno);
    // A journal cut short was being written when its writer stopped: the archive was not touched yet.
    if (!whole || number < 1 || number > size / recordSize) {
        removeJournal(path);
        return 0;
    }
    writeAll(archiveFd, QByteArrayView(journal).sliced(kHeaderSize, recordSize), (number - 1) * recordSize,
             archive);
    if (io.sync(archiveFd) != 0)
        throw StorageError(QStringLiteral("sync"), archive, errno);
    removeJournal(path);
    return number;
}
