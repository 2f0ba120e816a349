#pragma once

#include "storage/RecordLayout.h"

#include <optional>
#include <QList>
#include <QString>
#include <QStringList>

// Which archive files a program folder holds and the record layout of each.
namespace ArchiveCatalog {

// The layout of an archive file name (Clienti.pro, 2022.tel, ...), or nullptr for any other file.
const RecordLayout* layoutOf(const QString& fileName);

// The table that holds an archive file's records on a server (Clienti.pro -> clienti, 2024.tel ->
// chiamate_2024), or an empty text for any other name; and back.
QString tableOf(const QString& fileName);
QString fileNameOf(const QString& table);

// The fields an archive's search window looks in (the indexes of its table on a server).
QList<int> searchedFields(const QString& fileName);

// The archive files whose tables a server gets from the start: the fixed ones, and the year files of
// these years.
QStringList archivesToPrepare(const QList<int>& years);

// The archive files present in a folder (the archives on its server, where it names one), fixed
// archives first, then the year files by name.
QStringList filesIn(const QString& folder);
// The same of the files in a folder, and of the tables on a server.
QStringList filesInFolder(const QString& folder);
QStringList archivesOn(const QString& uri);

// An archive's name in a folder that does not name a file its records could be read from.
struct Unusable
{
    enum Kind { Folder, Link, DanglingLink, Special };
    QString fileName;
    Kind kind;
};

// The archive names in a folder that are a folder, a symbolic link, or a FIFO, device or socket, in the
// order of filesIn. filesIn leaves them out; the searches fail on them.
QList<Unusable> unusableIn(const QString& folder);

// What a check of one archive file finds.
struct Report
{
    struct OversizedLength
    {
        qint64 recordNumber;
        QString field;
    };
    QString fileName;
    qint64 records = 0;
    qint64 trailingBytes = 0;
    QList<OversizedLength> oversized;
    // An interrupted overwrite's journal was found beside the file and rolled back at opening: the
    // record number put back, 0 when the journal was cut short before the file was touched.
    std::optional<qint64> rolledBack;
    // Numbers missing among a server's rows, from first to last.
    QList<std::pair<qint64, qint64>> gaps;

    bool sound() const { return trailingBytes == 0 && oversized.isEmpty() && gaps.isEmpty(); }
};

// Counts the records of a file and finds every length byte larger than its field, after rolling back an
// interrupted overwrite. Throws StorageError.
Report check(const QString& path, const RecordLayout& layout);

} // namespace ArchiveCatalog
