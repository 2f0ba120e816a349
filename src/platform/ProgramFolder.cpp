#include "platform/ProgramFolder.h"

#include "rules/DateText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace {

QString g_folder = QDir::currentPath();

const QString kPasswordFile = u"unins000.dll"_s;

// The files a portable install ships beside the program, which a folder it is pointed at needs as well:
// the guide, the warning sound and Qt's Italian texts. Its password file is the user's own, not shipped:
// another folder gets the initial one.
const QStringList kShippedBesideTheProgram = {u"Guida.pdf"_s, u"Avviso.mp3"_s, u"qtbase_it.qm"_s};

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

// Copies the named files of shipped the folder lacks, and refreshes the program's own documents.
void copyShipped(const QDir& from, const QStringList& names, const QDir& to)
{
    for (const QString& name : names) {
        if (!QFileInfo(from.filePath(name)).isFile())
            continue;
        if (!QFileInfo::exists(to.filePath(name)))
            QFile::copy(from.filePath(name), to.filePath(name));
        else if (ownedByTheProgram(name))
            refresh(from.filePath(name), to.filePath(name));
    }
}

// A folder a portable install is pointed at: made when missing, given what the program's folder ships
// and the initial password where it has no password file.
bool furnishFromPortable(const QString& folder, const QString& executableFolder)
{
    if (!QDir().mkpath(folder))
        return false;
    const QDir to(folder);
    if (QDir(executableFolder) != to)
        copyShipped(QDir(executableFolder), kShippedBesideTheProgram, to);
    if (!QFileInfo::exists(to.filePath(kPasswordFile))) {
        QFile initial(u":/installazione/"_s + kPasswordFile);
        QSaveFile password(to.filePath(kPasswordFile));
        if (initial.open(QIODevice::ReadOnly) && password.open(QIODevice::WriteOnly) &&
            password.write(initial.readAll()) == initial.size())
            password.commit();
    }
    return true;
}

} // namespace

namespace ProgramFolder {

QString resolve(const QString& folderOption, const QString& executableFolder, NamedFolder named)
{
    const QString shipped = shippedFiles(executableFolder);
    QString folder = folderOption;
    if (folder.isEmpty())
        folder = qEnvironmentVariable("TELVARA_CARTELLA");
    const bool isNamed = !folder.isEmpty();
    if (!isNamed)
        folder = shipped.isEmpty() ? executableFolder : userFolder();
    folder = QDir(folder).absolutePath();
    if (!shipped.isEmpty())
        furnish(folder, shipped);
    else if (isNamed && named == NamedFolder::Furnished)
        furnishFromPortable(folder, executableFolder);
    return folder;
}

QString shippedFiles(const QString& executableFolder)
{
    const QDir bin(executableFolder);
    if (bin.dirName() != QLatin1StringView("bin"))
        return {};
    const QString shared = QDir::cleanPath(bin.filePath(QStringLiteral("../share/telvara")));
    return QFileInfo::exists(QDir(shared).filePath(kPasswordFile)) ? shared : QString();
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
    copyShipped(from, from.entryList(QDir::Files), QDir(folder));
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
