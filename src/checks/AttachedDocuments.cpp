#include "checks/AttachedDocuments.h"

#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace AttachedDocuments {

QString folder()
{
    return ProgramFolder::file(QLatin1StringView(kFolderName));
}

QString bareName(const QString& path)
{
    const qsizetype separator = qMax(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    const QString name = path.mid(separator + 1);
    if (name == u"." || name == u"..")
        return {};
    return name;
}

QString storedPath(const QString& name)
{
    const QString bare = bareName(name);
    if (bare.isEmpty())
        return {};
    return folder() + u'/' + bare;
}

bool exists(const QString& name)
{
    const QString path = storedPath(name);
    return !path.isEmpty() && QFileInfo::exists(path);
}

bool isStored(const QString& source)
{
    const QString stored = QFileInfo(storedPath(source)).canonicalFilePath();
    return !stored.isEmpty() && stored == QFileInfo(source).canonicalFilePath();
}

bool ensureFolder()
{
    return QDir().mkpath(folder());
}

bool copyIn(const QString& source, const QString& name)
{
    const QString target = storedPath(name.isEmpty() ? source : name);
    if (target.isEmpty())
        return false;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    // The copy goes to a temporary file beside the target and takes its name only once complete, so a
    // failed copy never leaves a document that other cards refer to half written or gone.
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    constexpr qint64 kBlock = 1 << 16;
    while (!in.atEnd()) {
        const QByteArray block = in.read(kBlock);
        if (block.isEmpty() || out.write(block) != block.size()) {
            out.cancelWriting();
            return false;
        }
    }
    return out.commit();
}

bool holdsCopyOf(const QString& name, const QString& source)
{
    QFile stored(storedPath(name));
    QFile chosen(source);
    if (stored.size() != chosen.size() || !stored.open(QIODevice::ReadOnly) ||
        !chosen.open(QIODevice::ReadOnly))
        return false;
    constexpr qint64 kBlock = 1 << 16;
    while (!stored.atEnd())
        if (stored.read(kBlock) != chosen.read(kBlock))
            return false;
    return true;
}

} // namespace AttachedDocuments
