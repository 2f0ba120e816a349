#include "storage/SpreadsheetWriter.h"

#include "storage/FileIo.h"
#include "storage/StorageError.h"
#include "storage/Windows1252.h"

#include <cerrno>

namespace {

constexpr qsizetype kFlushAt = 1 << 16;

constexpr const char* kHead =
    "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
    "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" xmlns=\"http://www.w3.org/TR/REC-html40\">"
    "<head>"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
    "<!--[if gte mso 9]><xml>"
    "<x:ExcelWorkbook>"
    "<x:ExcelWorksheets>"
    "<x:ExcelWorksheet>"
    "<x:Name>";

constexpr const char* kOptions =
    "</x:Name>"
    "<x:WorksheetOptions>"
    "<x:Selected/>"
    "<x:Panes>"
    "<x:Pane>"
    "<x:Number>1</x:Number>"
    "<x:ActiveRow>3</x:ActiveRow>"
    "</x:Pane>"
    "</x:Panes>"
    "<x:ProtectContents>False</x:ProtectContents>"
    "<x:ProtectObjects>False</x:ProtectObjects>"
    "<x:ProtectScenarios>False</x:ProtectScenarios>"
    "</x:WorksheetOptions>"
    "</x:ExcelWorksheet>"
    "</x:ExcelWorksheets>"
    "</x:ExcelWorkbook>"
    "</xml><![endif]-->"
    "</head>"
    "<body>"
    "<table x:str>";

constexpr const char* kTail = "</table></body></html>";

} // namespace

SpreadsheetWriter::SpreadsheetWriter(const QString& path, const QString& sheetName,
                                     const QList<SpreadsheetColumn>& columns)
    : m_path(path)
{
    m_fd = FileIo::current().open(path, true, true);
    if (m_fd < 0)
        throw StorageError(QStringLiteral("export"), path, errno);
    m_buffer.reserve(kFlushAt * 2);
    put(kHead);
    putText(sheetName);
    put(kOptions);
    put("<tr>");
    for (const SpreadsheetColumn& column : columns) {
        put("<td style=\"text-align: left; font-weight: bold;\" width=");
        m_buffer.append(QByteArray::number(column.width));
        put(">");
        putText(column.header);
        put("</td>");
    }
    put("</tr>");
}

SpreadsheetWriter::~SpreadsheetWriter()
{
    if (m_fd >= 0)
        FileIo::current().close(m_fd);
}

void SpreadsheetWriter::addRow(std::span<const QString> cells)
{
    put("<tr>");
    for (const QString& cell : cells) {
        put("<td style=\"text-align: left;\">");
        putText(cell);
        put("</td>");
    }
    put("</tr>");
    if (m_buffer.size() >= kFlushAt)
        flush();
}

void SpreadsheetWriter::addEncodedRow(std::span<const QByteArrayView> cells)
{
    put("<tr>");
    for (QByteArrayView cell : cells) {
        put("<td style=\"text-align: left;\">");
        putEncoded(cell);
        put("</td>");
    }
    put("</tr>");
    if (m_buffer.size() >= kFlushAt)
        flush();
}

void SpreadsheetWriter::finish()
{
    put(kTail);
    flush();
    const int fd = m_fd;
    m_fd = -1;
    if (FileIo::current().close(fd) != 0)
        throw StorageError(QStringLiteral("export"), m_path, errno);
}

void SpreadsheetWriter::put(const char* ascii)
{
    m_buffer.append(ascii);
}

void SpreadsheetWriter::putText(QStringView text)
{
    putEncoded(Windows1252::encode(text));
}

void SpreadsheetWriter::putEncoded(QByteArrayView bytes)
{
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end && static_cast<unsigned char>(bytes[begin]) <= 0x20)
        ++begin;
    while (end > begin && static_cast<unsigned char>(bytes[end - 1]) <= 0x20)
        --end;
    // Plain runs go in whole; only the few markup and line-break bytes are replaced.
    qsizetype run = begin;
    for (qsizetype i = begin; i < end; ++i) {
        const char* replacement = nullptr;
        switch (bytes[i]) {
        case '&':
            replacement = "&amp;";
            break;
        case '<':
            replacement = "&lt;";
            break;
        case '>':
            replacement = "&gt;";
            break;
        case '\r':
        case '\n':
            replacement = " "; // a line break inside a cell shows as a blank anyway
            break;
        default:
            continue;
        }
        m_buffer.append(bytes.sliced(run, i - run));
        m_buffer.append(replacement);
        run = i + 1;
    }
    m_buffer.append(bytes.sliced(run, end - run));
}

void SpreadsheetWriter::flush()
{
    qsizetype done = 0;
    while (done < m_buffer.size()) {
        const ssize_t n = FileIo::current().pwrite(m_fd, m_buffer.constData() + done,
                                                   static_cast<std::size_t>(m_buffer.size() - done),
                                                   static_cast<off_t>(m_written + done));
        if (n <= 0)
            throw StorageError(QStringLiteral("export"), m_path, n < 0 ? errno : EIO);
        done += n;
    }
    m_written += done;
    m_buffer.clear();
}
