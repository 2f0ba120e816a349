#include "storage/ArchiveLocation.h"

#include "storage/FileRecordStore.h"
#include "storage/ServerRecordStore.h"

#include <QDir>
#include <QFileInfo>
#include <optional>
#include <QHash>

namespace ArchiveLocation {

namespace {

struct Server
{
    QString uri;
    TableNaming naming = nullptr;
    SearchedFields searched = nullptr;
};

QHash<QString, Server>& servers()
{
    static QHash<QString, Server> attached;
    return attached;
}

QString folderKey(const QString& folder)
{
    return QDir::cleanPath(QDir(folder).absolutePath());
}

// The server and table of path's archive, or nothing when it is a file.
std::optional<std::pair<Server, QString>> tableOf(const QString& path)
{
    if (servers().isEmpty())
        return std::nullopt;
    const QFileInfo info(path);
    const auto found = servers().constFind(folderKey(info.absolutePath()));
    if (found == servers().constEnd())
        return std::nullopt;
    const QString table = found->naming(info.fileName());
    if (table.isEmpty())
        return std::nullopt;
    return std::pair(*found, table);
}

} // namespace

void attachServer(const QString& folder, const QString& uri, TableNaming naming, SearchedFields searched)
{
    if (uri.isEmpty())
        servers().remove(folderKey(folder));
    else
        servers().insert(folderKey(folder), Server{uri, naming, searched});
}

QString serverOf(const QString& folder)
{
    return servers().value(folderKey(folder)).uri;
}

std::unique_ptr<RecordStore> open(const QString& path, const RecordLayout& layout)
{
    if (const auto table = tableOf(path))
        return std::make_unique<ServerRecordStore>(
            table->first.uri, table->second, layout,
            table->first.searched ? table->first.searched(QFileInfo(path).fileName()) : QList<int>{});
    return std::make_unique<FileRecordStore>(path, layout);
}

bool exists(const QString& path)
{
    if (const auto table = tableOf(path))
        return ServerRecordStore::exists(table->first.uri, table->second);
    return QFileInfo::exists(path);
}

} // namespace ArchiveLocation
