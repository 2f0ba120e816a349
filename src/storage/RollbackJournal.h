#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The rollback journal of a record file, so that overwriting a record is all old or all new. Before a
// record is overwritten, the archive's file name, the record's number and its old and new bytes go
// durably into a file beside the archive (the archive's name + "-journal"); once the new bytes are on disk
// the journal is emptied, which is the commit, and removed. A journal left behind by a write that never
// finished (a kill, a power loss) is rolled back by whoever next takes the archive's lock, to open it or to
// write to it. It puts the old record back only where the archive still holds that write's own bytes;
// another archive put in its place (a backup copied over it) is left as it is. The archive's own bytes
// keep their format: older readers simply ignore the extra file. Every call is made with the archive's
// lock held.
class RollbackJournal
{
public:
    // Writes what the overwrite of record number will change into the journal and makes it durable.
    // Throws StorageError.
    RollbackJournal(const QString& archive, qint64 number, QByteArrayView oldBytes, QByteArrayView newBytes);
    // Closes the journal: one never committed stays on disk to be rolled back.
    ~RollbackJournal();
    RollbackJournal(const RollbackJournal&) = delete;
    RollbackJournal& operator=(const RollbackJournal&) = delete;

    // The new bytes are durable in the archive: the journal no longer applies. Throws StorageError when
    // its emptying cannot be made durable, and the journal then still rolls the record back.
    void commit();
    // The old bytes are back in the archive: the journal goes. When it cannot be removed it puts the same
    // bytes back again at the next open.
    void discard();

    static QString pathOf(const QString& archive);
    // Whether a journal (or anything else of its name, a link included) is beside the archive.
    static bool existsFor(const QString& archive);

    // Puts back the record kept in the journal beside archive (open as archiveFd, records of recordSize
    // bytes), makes it durable and removes the journal. Returns the number of the record put back, or 0
    // when there was nothing to put back: no journal; one cut short while it was being written, when the
    // archive had not yet been touched; or one written for another archive than the one now there. Throws
    // StorageError.
    static qint64 rollBack(const QString& archive, int archiveFd, int recordSize);

private:
    QString m_path;
    QByteArray m_entry;
    int m_fd = -1;
};
