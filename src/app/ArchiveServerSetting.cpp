#include "app/ArchiveServerSetting.h"

#include "app/ArchiveCatalog.h"
#include "storage/ArchiveLocation.h"
#include "storage/ServerConnection.h"
#include "storage/StorageError.h"

#include <fcntl.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>
#include <unistd.h>

namespace ArchiveServerSetting {

namespace {

// The first line of the file that is neither blank nor a comment ('#'). A name that is no regular file
// (a FIFO would make the read wait for a writer for ever) is refused in problem.
QString addressIn(const QString& path, QString& problem)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    const QString notRegular =
        QStringLiteral(
            "Il file %1 della cartella del programma non è un file normale (è una FIFO, un dispositivo, "
            "un socket o una cartella): sostituirlo con un file di testo che contenga l'indirizzo del "
            "server degli archivi, oppure rimuoverlo.")
            .arg(QLatin1StringView(kFileName));
    if (!info.isFile()) {
        problem = notRegular;
        return {};
    }
    // Opened without waiting, and looked at again: the name may have changed since.
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return {};
    struct stat status = {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        problem = notRegular;
        return {};
    }
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly | QIODevice::Text, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return {};
    }
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
    if (uri.isEmpty()) {
        QString problem;
        uri = addressIn(QDir(folder).filePath(QLatin1StringView(kFileName)), problem);
        if (!problem.isEmpty())
            return {{}, problem};
    }
    if (uri.isEmpty())
        return {};
    return {uri, ServerConnection::addressProblem(uri)};
}

void attach(const QString& folder, const QString& uri)
{
    ArchiveLocation::attachServer(folder, uri, ArchiveCatalog::tableOf, ArchiveCatalog::searchedFields);
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
