#pragma once

#include "storage/RecordStore.h"

#include <memory>
#include <QList>
#include <QString>

// Where the archives of a folder are: files in it (the default), or the tables of a PostgreSQL server
// that the folder names, so that every workstation started from it works on the same server. A record
// file's path names its archive either way: its folder picks the place, its name the archive.
namespace ArchiveLocation {

// The table that holds an archive file's records on a server, or an empty text for a name that is no
// archive's (such a file stays a file).
using TableNaming = QString (*)(const QString& fileName);
// The fields an archive's searches look in: a table made at first use gets their indexes.
using SearchedFields = QList<int> (*)(const QString& fileName);

// From now on the archives of folder are the tables of the server at uri (a connection URI in libpq's
// form). An empty uri puts them back in the folder.
void attachServer(const QString& folder, const QString& uri, TableNaming naming, SearchedFields searched);

// The server the folder's archives are on, or an empty text.
QString serverOf(const QString& folder);

// The archive of path's name in its place, made when missing. Throws StorageError.
std::unique_ptr<RecordStore> open(const QString& path, const RecordLayout& layout);

// Whether the archive of path's name is there, without making it.
bool exists(const QString& path);

} // namespace ArchiveLocation
