#include "checks/AttachedDocuments.h"

#include "platform/ProgramFolder.h"
#include "storage/ReplacementFile.h"
#include "storage/StorageError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace AttachedDocuments {

namespace {

// A link in the shared folder would lead a copy to a file outside it.
bool isLink(const QString& path)
{
    return QFileInfo(path).isSymLink();
}

} // namespace

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
    return !isLink(folder()) && QDir().mkpath(folder());
}

bool copyIn(const QString& source, const QString& name)
{
    const QString target = storedPath(name.isEmpty() ? source : name);
    if (target.isEmpty() || isLink(folder()) || isLink(target))
        return false;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    // The copy goes to a file of its own beside the target and takes its name only once complete, so a
    // failed copy never leaves a document that other cards refer to half written or gone; and the rename
    // replaces a name, never writing through a link that took its place meanwhile.
    try {
        ReplacementFile out(target, QStringLiteral("copy"));
        constexpr qint64 kBlock = 1 << 16;
        while (!in.atEnd()) {
            const QByteArray block = in.read(kBlock);
            if (block.isEmpty())
                return false;
            out.write(block);
        }
        out.commit();
    } catch (const StorageError&) {
        return false;
    }
    return true;
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
