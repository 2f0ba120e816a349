#pragma once

#include <QByteArrayView>
#include <QString>

// The new content of a file, written beside it under a name of its own and put in its place in one step
// once whole. Until commit() the old file stays as it was; a replacement abandoned (by a failure or an
// exception) removes its temporary file. Two replacements of one file at once never share a temporary.
class ReplacementFile
{
public:
    // Creates the temporary file in target's folder. Throws StorageError naming operation and target.
    ReplacementFile(const QString& target, const QString& operation);
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Appends bytes. Throws StorageError.
    void write(QByteArrayView bytes);
    // Flushes the content to disk, closes it and renames it over the target. Throws StorageError.
    void commit();

    // Removes the temporary files that replacements of target left behind when their process was
    // killed before commit() or cleanup. Only for a caller that holds what every replacement of target
    // holds while it writes (a lock on target): no temporary is then in use.
    static void removeLeftovers(const QString& target);

private:
    [[noreturn]] void fail(int errorNumber);

    QString m_target;
    QString m_operation;
    QString m_temporary;
    int m_fd = -1;
    qint64 m_written = 0;
};
