#include "TempProgramFolder.h"

#include "platform/ProgramFolder.h"

#include <QFile>

TempProgramFolder::TempProgramFolder() : m_previous(ProgramFolder::path())
{
    ProgramFolder::setPath(m_dir.path());
}

TempProgramFolder::~TempProgramFolder()
{
    ProgramFolder::setPath(m_previous);
}

QString TempProgramFolder::file(const QString& name) const
{
    return m_dir.filePath(name);
}

QByteArray TempProgramFolder::readAll(const QString& name) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void TempProgramFolder::writeAll(const QString& name, const QByteArray& bytes) const
{
    QFile f(file(name));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}
