#pragma once

#include "storage/StagedArchives.h"

#include <QHash>
#include <QTemporaryDir>

// Archives copied into a program folder: written into a hidden folder inside it (the same file system),
// then moved in one by one once every one is whole and durable. A copy killed while they are moved is
// finished by the next copy into the folder; one killed before is only removed.
class StagedFolder : public StagedArchives
{
public:
    // Clears what interrupted copies left in folder and makes this copy's hidden folder. Throws
    // StorageError.
    explicit StagedFolder(const QString& folder);

    std::unique_ptr<RecordStore> open(const QString& fileName, const QString& table,
                                      const RecordLayout& layout) override;
    void publish() override;
    bool finishedInterrupted() const override { return m_finished; }
    bool partlyPublished() const override { return m_moving; }

private:
    // Finishes the copies into folder that were killed while moved in, removes those killed before;
    // returns whether one was finished. Throws StorageError.
    static bool clearLeftovers(const QString& folder);

    QString m_folder;
    bool m_finished;
    QTemporaryDir m_staging;
    QHash<QString, int> m_recordSizes; // of each archive opened, by file name
    bool m_moving = false;
};
