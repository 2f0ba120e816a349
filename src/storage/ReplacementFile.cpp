#include "storage/ReplacementFile.h"

#include "storage/FileIo.h"
#include "storage/StorageError.h"

#include <cerrno>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

namespace {

// The start of a temporary's name: the target's file name, cut where the dot, the eight hexadecimal
// digits and ".tmp" after it would take the whole past the longest name a folder holds.
QString temporaryStem(const QString& target)
{
    constexpr qsizetype kLongestName = 255;
    constexpr qsizetype kSuffix = 1 + 8 + 4;
    const QFileInfo info(target);
    QString name = info.fileName();
    while (!name.isEmpty() && QFile::encodeName(name).size() + kSuffix > kLongestName)
        name.chop(1);
    return name;
}

} // namespace

ReplacementFile::ReplacementFile(const QString& target, const QString& operation)
    : m_target(target), m_operation(operation)
{
    // A random name, created only if it is free: two workstations replacing the same file each get
    // their own, and a leftover of a killed process is never reused.
    constexpr int kAttempts = 16;
    for (int attempt = 0; attempt < kAttempts && m_fd < 0; ++attempt) {
        m_temporary = QFileInfo(target).dir().filePath(temporaryStem(target)) + QLatin1Char('.') +
                      QString::number(QRandomGenerator::global()->generate(), 16) + QStringLiteral(".tmp");
        m_fd = FileIo::current().createNew(m_temporary);
        if (m_fd < 0 && errno != EEXIST)
            break;
    }
    if (m_fd < 0)
        throw StorageError(m_operation, m_target, errno);
}

ReplacementFile::~ReplacementFile()
{
    if (m_fd >= 0)
        FileIo::current().close(m_fd);
    if (!m_temporary.isEmpty())
        QFile::remove(m_temporary);
}

void ReplacementFile::write(QByteArrayView bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            FileIo::current().pwrite(m_fd, bytes.data() + done, static_cast<std::size_t>(bytes.size() - done),
                                     static_cast<off_t>(m_written + done));
        if (n <= 0)
            fail(n < 0 ? errno : EIO);
        done += n;
    }
    m_written += done;
}

void ReplacementFile::commit()
{
    FileIo& io = FileIo::current();
    if (io.sync(m_fd) != 0)
        fail(errno);
    const int fd = m_fd;
    m_fd = -1;
    if (io.close(fd) != 0)
        fail(errno);
    if (io.rename(m_temporary, m_target) != 0)
        fail(errno);
    m_temporary.clear();
}

void ReplacementFile::removeLeftovers(const QString& target)
{
    const QFileInfo info(target);
    const QDir folder = info.absoluteDir();
    // The names the constructor makes: the target's (cut where too long), a dot, hexadecimal digits, ".tmp".
    const QString stem = temporaryStem(target);
    const QRegularExpression temporary(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(stem) + QStringLiteral("\\.[0-9a-f]+\\.tmp")));
    const QStringList candidates = folder.entryList({stem + QStringLiteral(".*.tmp")},
                                                    QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : candidates)
        if (temporary.match(name).hasMatch())
            QFile::remove(folder.filePath(name));
}

void ReplacementFile::fail(int errorNumber)
{
    throw StorageError(m_operation, m_target, errorNumber);
}
