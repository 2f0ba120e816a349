#include "rules/PasswordFile.h"

#include "storage/FileIo.h"
#include "storage/StorageError.h"
#include "storage/Windows1252.h"

#include <cerrno>
#include <QByteArrayList>
#include <QFile>

namespace PasswordFile {
namespace {

const QByteArray Section = QByteArrayLiteral("Accesso");
const QByteArray Key = QByteArrayLiteral("Valore");

// A line of the file, without its ending ("\n" or "\r\n").
QByteArrayView body(QByteArrayView line)
{
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

// The name of a "[name]" line, or a null view for any other line.
QByteArrayView sectionName(QByteArrayView line)
{
    const QByteArrayView t = body(line).trimmed();
    if (!t.startsWith('['))
        return {};
    const qsizetype close = t.indexOf(']');
    return close < 0 ? QByteArrayView() : t.sliced(1, close - 1).trimmed();
}

bool isKeyLine(QByteArrayView line)
{
    const QByteArrayView b = body(line);
    const qsizetype equals = b.indexOf('=');
    return equals >= 0 && b.first(equals).trimmed().compare(Key, Qt::CaseInsensitive) == 0;
}

// The lines of the text, each with its own ending; the last may have none.
QByteArrayList splitLines(const QByteArray& content)
{
    QByteArrayList lines;
    qsizetype start = 0;
    while (start < content.size()) {
        qsizetype end = content.indexOf('\n', start);
        end = end < 0 ? content.size() : end + 1;
        lines.append(content.mid(start, end - start));
        start = end;
    }
    return lines;
}

// The index of the first "[Accesso]" line, or -1.
qsizetype findSection(const QByteArrayList& lines)
{
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (sectionName(lines[i]).compare(Section, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        throw StorageError(QStringLiteral("open"), path, EACCES);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw StorageError(QStringLiteral("read"), path, EIO);
    return bytes;
}

} // namespace

QString valueIn(QByteArrayView content)
{
    const QByteArrayList lines = splitLines(content.toByteArray());
    const qsizetype section = findSection(lines);
    if (section < 0)
        return {};
    for (qsizetype i = section + 1; i < lines.size() && sectionName(lines[i]).isNull(); ++i) {
        if (isKeyLine(lines[i])) {
            const QByteArrayView b = body(lines[i]);
            return Windows1252::decode(b.sliced(b.indexOf('=') + 1).trimmed());
        }
    }
    return {};
}

QByteArray withValue(const QByteArray& content, const QString& value)
{
    const QByteArray newline =
        content.contains('\n') && !content.contains("\r\n") ? QByteArray("\n") : QByteArray("\r\n");
    const QByteArray keyLine = Key + '=' + Windows1252::encode(value);
    QByteArrayList lines = splitLines(content);
    const qsizetype section = findSection(lines);
    if (section < 0) {
        QByteArray result = content;
        if (!result.isEmpty() && !result.endsWith('\n'))
            result += newline;
        return result + '[' + Section + ']' + newline + keyLine + newline;
    }
    qsizetype last = section;
    for (qsizetype i = section + 1; i < lines.size() && sectionName(lines[i]).isNull(); ++i) {
        if (isKeyLine(lines[i])) {
            const QByteArray ending = lines[i].mid(body(lines[i]).size());
            lines[i] = keyLine + ending;
            return lines.join();
        }
        if (!body(lines[i]).trimmed().isEmpty())
            last = i;
    }
    if (!lines[last].endsWith('\n'))
        lines[last] += newline;
    lines.insert(last + 1, keyLine + newline);
    return lines.join();
}

QString read(const QString& path)
{
    return valueIn(readBytes(path));
}

void write(const QString& path, const QString& value)
{
    const QByteArray content = withValue(readBytes(path), value);
    const QString temporary = path + QStringLiteral(".tmp");
    FileIo& io = FileIo::current();
    const auto fail = [&](const char* operation, int errorNumber) {
        QFile::remove(temporary);
        throw StorageError(QString::fromLatin1(operation), path, errorNumber);
    };
    const int fd = io.open(temporary, true, true);
    if (fd < 0)
        fail("open", errno);
    qsizetype done = 0;
    while (done < content.size()) {
        const ssize_t n =
            io.pwrite(fd, content.constData() + done, static_cast<std::size_t>(content.size() - done), done);
        if (n <= 0) {
            const int error = n < 0 ? errno : EIO;
            io.close(fd);
            fail("write", error);
        }
        done += n;
    }
    if (io.sync(fd) != 0) {
        const int error = errno;
        io.close(fd);
        fail("sync", error);
    }
    if (io.close(fd) != 0)
        fail("close", errno);
    if (io.rename(temporary, path) != 0)
        fail("rename", errno);
}

} // namespace PasswordFile
