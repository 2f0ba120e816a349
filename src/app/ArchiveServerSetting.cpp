#include "app/ArchiveServerSetting.h"

#include "app/ArchiveCatalog.h"
#include "storage/ArchiveLocation.h"
#include "storage/ServerConnection.h"
#include "storage/StorageError.h"

#include <QDir>
#include <QFile>

namespace ArchiveServerSetting {

namespace {

// The first line of the file that is neither blank nor a comment ('#').
QString addressIn(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
            return line;
    }
    return {};
}

} // namespace

Choice choose(const QString& option, const QString& folder)
{
    QString uri = option;
    if (uri.isEmpty())
        uri = qEnvironmentVariable(kEnvironment).trimmed();
    if (uri.isEmpty())
        uri = addressIn(QDir(folder).filePath(QLatin1StringView(kFileName)));
    if (uri.isEmpty())
        return {};
    return {uri, ServerConnection::addressProblem(uri)};
}

void attach(const QString& folder, const QString& uri)
{
    ArchiveLocation::attachServer(folder, uri, ArchiveCatalog::tableOf);
}

QString setUp(const QString& option, const QString& folder)
{
    const Choice choice = choose(option, folder);
    if (!choice.error.isEmpty() || choice.uri.isEmpty())
        return choice.error;
    attach(folder, choice.uri);
    try {
        ServerConnection::to(choice.uri);
    } catch (const StorageError& error) {
        return QString::fromUtf8(error.what());
    }
    return {};
}

} // namespace ArchiveServerSetting
