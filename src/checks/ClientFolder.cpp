#include "checks/ClientFolder.h"

#include "platform/ProgramFolder.h"

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
