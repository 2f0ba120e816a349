#include "storage/StagedFolder.h"

#include "storage/FileIo.h"
#include "storage/FileRecordStore.h"
#include "storage/StorageError.h"

#include <cerrno>
#include <QDir>
#include <vector>

namespace {

constexpr char kStagingPattern[] = ".copia-in-corso-";
// Written once every archive of the copy is whole and durable: from then on the copy only has to be
// moved in.
constexpr char kReady[] = "pronta";

// Moves the archives of staging into folder, then removes staging. Throws StorageError.
void moveIn(const QString& staging, const QString& folder)
{
    FileIo& io = FileIo::current();
    const QDir from(staging);
    const QDir to(folder);
    for (const QString& name : from.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name)) {
        if (name == QLatin1StringView(kReady))
            continue;
        if (io.rename(from.filePath(name), to.filePath(name)) != 0)
            throw StorageError(QStringLiteral("copy"), to.filePath(name), errno);
    }
    if (io.syncFolder(folder) != 0)
        throw StorageError(QStringLiteral("copy"), folder, errno);
    io.remove(from.filePath(QLatin1StringView(kReady)));
    QDir().rmdir(staging);
}

// The empty archives of the folder that a copy's archives replace, each locked until it is replaced: a
// workstation writing to one meanwhile waits, then finds it replaced and fails rather than write into a
// file that is gone.
class GivingWay
{
public:
    GivingWay() = default;
    ~GivingWay()
    {
        for (const int fd : m_held)
            FileIo::current().close(fd);
    }
    GivingWay(const GivingWay&) = delete;
    GivingWay& operator=(const GivingWay&) = delete;

    // Locks the archive at path, if there is one, and makes sure it still holds no whole record of
    // recordSize bytes. Throws StorageError.
    void hold(const QString& path, int recordSize)
    {
        FileIo& io = FileIo::current();
        const int fd = io.open(path, false, false);
        if (fd < 0) {
            if (errno == ENOENT)
                return;
            throw errno == ELOOP ? StorageError::link(path)
                                 : StorageError(QStringLiteral("copy"), path, errno);
        }
        m_held.push_back(fd);
        if (io.lock(fd) != 0)
            throw StorageError(QStringLiteral("copy"), path, errno);
        const off_t size = io.size(fd);
        if (size < 0)
            throw StorageError(QStringLiteral("copy"), path, errno);
        if (size >= recordSize)
            throw StagedArchives::grewMeanwhile(QFileInfo(path).fileName());
    }

private:
    std::vector<int> m_held;
};

} // namespace

StagedFolder::StagedFolder(const QString& folder)
    : m_folder(folder), m_finished(clearLeftovers(folder)),
      m_staging(QDir(folder).filePath(QLatin1StringView(kStagingPattern) + QStringLiteral("XXXXXX")))
{
    if (!m_staging.isValid())
        throw StorageError(QStringLiteral("copy"), folder, EACCES);
}

bool StagedFolder::clearLeftovers(const QString& folder)
{
    bool finished = false;
    const QDir dir(folder);
    for (const QString& name :
         dir.entryList({QLatin1StringView(kStagingPattern) + QLatin1Char('*')},
                       QDir::Dirs | QDir::Hidden | QDir::NoSymLinks | QDir::NoDotAndDotDot)) {
        const QString staging = dir.filePath(name);
        if (QFileInfo::exists(QDir(staging).filePath(QLatin1StringView(kReady)))) {
            moveIn(staging, folder);
            finished = true;
        } else {
            QDir(staging).removeRecursively();
        }
    }
    return finished;
}

std::unique_ptr<RecordStore> StagedFolder::open(const QString& fileName, const QString& table,
                                                const RecordLayout& layout)
{
    Q_UNUSED(table);
    m_recordSizes.insert(fileName, layout.size());
    return std::make_unique<FileRecordStore>(m_staging.filePath(fileName), layout);
}

void StagedFolder::publish()
{
    FileIo& io = FileIo::current();
    GivingWay replaced;
    for (auto archive = m_recordSizes.cbegin(); archive != m_recordSizes.cend(); ++archive)
        replaced.hold(QDir(m_folder).filePath(archive.key()), archive.value());
    const QString ready = m_staging.filePath(QLatin1StringView(kReady));
    const int fd = io.createNew(ready);
    if (fd < 0)
        throw StorageError(QStringLiteral("copy"), ready, errno);
    const bool durable = io.sync(fd) == 0;
    const int saved = errno;
    io.close(fd);
    // The archives' own data were made durable as they were written; their names and the mark now are.
    if (!durable || io.syncFolder(m_staging.path()) != 0)
        throw StorageError(QStringLiteral("copy"), ready, durable ? errno : saved);
    // Whole now: should the moves fail, the next copy into the folder finishes them.
    m_staging.setAutoRemove(false);
    m_moving = true;
    moveIn(m_staging.path(), m_folder);
}
