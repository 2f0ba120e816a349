#pragma once

#include <QByteArrayView>
#include <QString>

// The rollback journal of a record file, so that overwriting a record is all old or all new. Before a
// record is overwritten, its number and old bytes go durably into a file beside the archive (the
// archive's name + "-journal"); once the new bytes are on disk the journal is emptied, which is the
// commit, and removed. A journal left behind by a write that never finished (a kill, a power loss) is
// rolled back by whoever next opens the archive under its lock. The archive's own bytes keep their
// format: older readers simply ignore the extra file. Every call is made with the archive's lock held.
class RollbackJournal
{
public:
    // Writes record number's old bytes into the journal and makes them durable. Throws StorageError.
    RollbackJournal(const QString& archive, qint64 number, QByteArrayView oldBytes);
    // Closes the journal: one never committed stays on disk to be rolled back.
    ~RollbackJournal();
    RollbackJournal(const RollbackJournal&) = delete;
    RollbackJournal& operator=(const RollbackJournal&) = delete;

    // The new bytes are durable in the archive: the journal no longer applies. Throws StorageError when
    // it cannot be emptied, and the journal then still rolls the record back.
    void commit();
    // The old bytes are back in the archive: the journal goes. When it cannot be removed it puts the same
    // bytes back again at the next open.
    void discard();

    static QString pathOf(const QString& archive);
    static bool existsFor(const QString& archive);

    // Puts back the record kept in the journal beside archive (open as archiveFd, records of recordSize
    // bytes), makes it durable and removes the journal. Returns the number of the record put back, or 0
    // when there was nothing to put back: no journal, or one cut short while it was being written, when
    // the archive had not yet been touched. Throws StorageError.
    static qint64 rollBack(const QString& archive, int archiveFd, int recordSize);

private:
    QString m_path;
    int m_fd = -1;
};
