#pragma once

#include "storage/RecordStore.h"
#include "storage/StorageError.h"

#include <memory>
#include <QString>

// Where a copy of archives goes: each archive is written out of sight, and publish() puts them all in
// place at the end. A copy stopped before (a failure, a kill) leaves the destination as it was, and the
// next copy to the same place clears what it left behind.
class StagedArchives
{
public:
    virtual ~StagedArchives() = default;

    // The archive of that file name (kept as table on a server), new and empty, out of sight. Throws
    // StorageError.
    virtual std::unique_ptr<RecordStore> open(const QString& fileName, const QString& table,
                                              const RecordLayout& layout) = 0;

    // Puts every archive opened in place of any empty one of its name. Throws StorageError; refuses,
    // putting none in place, where an archive of its name got records since the copy began.
    virtual void publish() = 0;

    // "la destinazione ha ricevuto schede in NAME durante la copia".
    static StorageError grewMeanwhile(const QString& name)
    {
        return StorageError::refused(
            QStringLiteral("la destinazione ha ricevuto schede in %1 durante la copia").arg(name),
            QStringLiteral("copy"), name);
    }

    // Whether an earlier copy, killed while its whole archives were being put in place, was finished.
    virtual bool finishedInterrupted() const { return false; }
    // Whether a publish() that failed may have put some archives in place (the next copy finishes it).
    virtual bool partlyPublished() const { return false; }
};
