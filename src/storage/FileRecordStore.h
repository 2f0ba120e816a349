#pragma once

#include "storage/RecordStore.h"

#include <QString>

// An archive as a file of fixed-size records in a folder, the embedded default. The file is open for the
// store's life (a missing one is created). Writers hold an exclusive advisory lock while they write and
// flush to disk before returning; readers do not lock. A trailing piece shorter than a record is never
// read. An overwrite goes through the file's rollback journal, so that a record is never left half old,
// half new; opening a file, or writing to it, first puts back the old record of an interrupted overwrite
// whose journal is there, so that another workstation's write never buries it. A name that is a symbolic
// link is refused, never followed.
class FileRecordStore : public RecordStore
{
public:
    FileRecordStore(const QString& path, const RecordLayout& layout);
    ~FileRecordStore() override;
    FileRecordStore(const FileRecordStore&) = delete;
    FileRecordStore& operator=(const FileRecordStore&) = delete;

    qint64 count() const override;
    qint64 trailingBytes() const override;
    qint64 readBlock(char* buffer, qint64 first, qint64 wanted) const override;
    void overwrite(qint64 number, const Record& record) override;
    bool update(qint64 number, const std::function<bool(Record&)>& change) override;
    qint64 append(std::span<const Record> records) override;
    qint64 rolledBack() const override { return m_rolledBack; }

private:
    qint64 fileSize() const;
    Record read(qint64 index) const;
    void writeAt(qint64 offset, QByteArrayView bytes, const char* operation);
    // Rolls back the journal an interrupted overwrite left; the lock is held.
    void rollBackLocked();
    // Overwrites record number through the journal; the lock is held.
    void overwriteLocked(qint64 number, const Record& record);

    QString m_path;
    const RecordLayout& m_layout;
    int m_fd = -1;
    qint64 m_rolledBack = 0;
};
