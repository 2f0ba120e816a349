#include "checks/ClientFolder.h"

#include "shell/ProgramFolder.h"

#include <QDir>

namespace ClientFolder {

QString path(const QString& recordNumber)
{
    return ProgramFolder::file(QStringLiteral("Cliente_") + recordNumber.trimmed());
}

bool ensure(const QString& path)
{
    return QDir().mkpath(path);
}

} // namespace ClientFolder
