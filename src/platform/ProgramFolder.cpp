#include "platform/ProgramFolder.h"

#include "rules/DateText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace {

QString g_folder = QDir::currentPath();

// The shipped files that are the program's, not the user's: the guide and Qt's Italian texts. An
// upgraded package brings new ones, which replace the copies of an earlier version.
bool ownedByTheProgram(const QString& name)
{
    return name == u"Guida.pdf"_s || name == u"qtbase_it.qm"_s;
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes the shipped copy over the folder's when the two differ; the old copy stays whole until the new
// one is complete, so a failed write leaves it as it was. A copy that is a symbolic link is left alone:
// QSaveFile would write to the file it points to, which may be anywhere.
void refresh(const QString& shipped, const QString& copy)
{
    if (QFileInfo(copy).isSymLink())
        return;
    if (QFileInfo(shipped).size() == QFileInfo(copy).size() && contents(shipped) == contents(copy))
        return;
    QFile source(shipped);
    if (!source.open(QIODevice::ReadOnly))
        return;
    QSaveFile target(copy);
    if (target.open(QIODevice::WriteOnly) && target.write(source.readAll()) == source.size())
        target.commit();
}

} // namespace

namespace ProgramFolder {

QString resolve(const QString& folderOption, const QString& executableFolder)
{
    const QString shipped = shippedFiles(executableFolder);
    QString folder = folderOption;
    if (folder.isEmpty())
        folder = qEnvironmentVariable("TELVARA_CARTELLA");
    if (folder.isEmpty())
        folder = shipped.isEmpty() ? executableFolder : userFolder();
    folder = QDir(folder).absolutePath();
    if (!shipped.isEmpty())
        furnish(folder, shipped);
    return folder;
}

QString shippedFiles(const QString& executableFolder)
{
    const QDir bin(executableFolder);
    if (bin.dirName() != QLatin1StringView("bin"))
        return {};
    const QString shared = QDir::cleanPath(bin.filePath(QStringLiteral("../share/telvara")));
    return QFileInfo::exists(QDir(shared).filePath(QStringLiteral("unins000.dll"))) ? shared : QString();
}

QString userFolder()
{
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty())
        data = QDir::home().filePath(QStringLiteral(".local/share"));
    return QDir(data).filePath(QStringLiteral("Telvara"));
}

bool furnish(const QString& folder, const QString& shipped)
{
    if (!QDir().mkpath(folder))
        return false;
    const QDir from(shipped);
    const QDir to(folder);
    for (const QString& name : from.entryList(QDir::Files)) {
        if (!QFileInfo::exists(to.filePath(name)))
            QFile::copy(from.filePath(name), to.filePath(name));
        else if (ownedByTheProgram(name))
            refresh(from.filePath(name), to.filePath(name));
    }
    return true;
}

QString path()
{
    return g_folder;
}

void setPath(const QString& folder)
{
    g_folder = folder;
}

QString file(const QString& name)
{
    return QDir(g_folder).filePath(name);
}

std::optional<QString> yearFile(const QString& year, const QString& extension)
{
    if (!DateText::isYear(year))
        return std::nullopt;
    return file(year + extension);
}

} // namespace ProgramFolder
