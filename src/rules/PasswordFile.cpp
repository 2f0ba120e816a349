#include "rules/PasswordFile.h"

#include "storage/FileIo.h"
#include "storage/ReplacementFile.h"
#include "storage/StorageError.h"
#include "storage/Windows1252.h"

#include <cerrno>
#include <QByteArrayList>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

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

// A change renames its new file over the old one, and a lookup at that very moment may find no file at
// all (Linux 6 does so now and then): only a file missing at several looks in a row is missing.
constexpr int kLooks = 3;

QByteArray readBytes(const QString& path)
{
    // Opening a FIFO to read would wait for a writer.
    if (const QFileInfo info(path); info.exists() && !info.isFile() && !info.isDir())
        throw StorageError::notRegularFile(path);
    for (int look = 0; look < kLooks; ++look) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            throw StorageError(QStringLiteral("read"), path, EIO);
        return bytes;
    }
    if (QFileInfo::exists(path))
        throw StorageError(QStringLiteral("open"), path, EACCES);
    return {};
}

// The file opened for reading and writing (a lock needs both), or -1 with errno ENOENT when it is missing.
int openExisting(const QString& path)
{
    int fd = -1;
    for (int look = 0; look < kLooks && fd < 0; ++look) {
        fd = FileIo::current().open(path, false, false);
        if (fd < 0 && errno != ENOENT)
            throw StorageError(QStringLiteral("open"), path, errno);
    }
    return fd;
}

// Closes a descriptor however its use ends, releasing the lock taken on it.
class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() { FileIo::current().close(m_fd); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

private:
    int m_fd;
};

// Whether path still names the file open as fd.
bool stillNamed(int fd, const QString& path)
{
    struct stat open = {};
    struct stat named = {};
    return ::fstat(fd, &open) == 0 && ::stat(QFile::encodeName(path).constData(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

QByteArray readAll(int fd, const QString& path)
{
    FileIo& io = FileIo::current();
    const off_t size = io.size(fd);
    if (size < 0)
        throw StorageError(QStringLiteral("read"), path, errno);
    QByteArray bytes(static_cast<qsizetype>(size), Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            io.pread(fd, bytes.data() + done, static_cast<std::size_t>(bytes.size() - done), done);
        if (n < 0)
            throw StorageError(QStringLiteral("read"), path, errno);
        if (n == 0)
            break;
        done += n;
    }
    bytes.truncate(done);
    return bytes;
}

} // namespace

bool readsAsIni(QByteArrayView content)
{
    if (content.startsWith("\xEF\xBB\xBF"))
        content = content.sliced(3);
    for (const char c : content)
        if ((static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\r' && c != '\n') || c == '\x7F')
            return false;
    for (const QByteArray& line : splitLines(content.toByteArray())) {
        const QByteArrayView text = body(line).trimmed();
        if (text.isEmpty() || text.startsWith(';') || text.startsWith('#') || !sectionName(line).isNull())
            continue;
        if (text.indexOf('=') <= 0)
            return false;
    }
    return true;
}

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
    const QByteArray content = readBytes(path);
    if (!readsAsIni(content))
        throw StorageError(QStringLiteral("decode"), path);
    return valueIn(content);
}

bool change(const QString& path, const Decision& decide)
{
    FileIo& io = FileIo::current();
    for (;;) {
        const int fd = openExisting(path);
        if (fd < 0) {
            if (!decide(QString()))
                return false;
            // Created empty, then locked and decided on again like any other file.
            const int created = io.open(path, true, false);
            if (created < 0)
                throw StorageError(QStringLiteral("open"), path, errno);
            io.close(created);
            continue;
        }
        const Descriptor locked(fd);
        if (io.lock(fd) != 0)
            throw StorageError(QStringLiteral("lock"), path, errno);
        // A change that held the lock before may have renamed a new file over this one.
        if (!stillNamed(fd, path))
            continue;
        ReplacementFile::removeLeftovers(path);
        const QByteArray content = readAll(fd, path);
        if (!readsAsIni(content))
            throw StorageError(QStringLiteral("decode"), path);
        const std::optional<QString> value = decide(valueIn(content));
        if (!value)
            return false;
        ReplacementFile replacement(path, QStringLiteral("write"));
        replacement.write(withValue(content, *value));
        replacement.commit();
        return true;
    }
}

void write(const QString& path, const QString& value)
{
    change(path, [&value](const QString&) { return std::optional<QString>(value); });
}

} // namespace PasswordFile
