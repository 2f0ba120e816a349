#include "platform/ProgramFolder.h"

#include "rules/DateText.h"

#include <QDir>

namespace {
QString g_folder = QDir::currentPath();
}

namespace ProgramFolder {

QString resolve(QStringList& arguments, const QString& executableFolder)
{
    const qsizetype at = arguments.indexOf(QStringLiteral("--cartella"));
    if (at >= 0 && at + 1 < arguments.size()) {
        const QString folder = arguments.at(at + 1);
        arguments.remove(at, 2);
        return QDir(folder).absolutePath();
    }
    const QString fromEnvironment = qEnvironmentVariable("TELVARA_CARTELLA");
    if (!fromEnvironment.isEmpty())
        return QDir(fromEnvironment).absolutePath();
    return executableFolder;
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
