#include "storage/SpreadsheetWriter.h"

#include "storage/Windows1252.h"

#include <array>
#include <cstring>

namespace {

constexpr std::size_t kBufferSize = 1 << 20;

constexpr std::string_view kHead =
    "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
    "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" xmlns=\"http://www.w3.org/TR/REC-html40\">"
    "<head>"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
    "<!--[if gte mso 9]><xml>"
    "<x:ExcelWorkbook>"
    "<x:ExcelWorksheets>"
    "<x:ExcelWorksheet>"
    "<x:Name>";

constexpr std::string_view kOptions = "</x:Name>"
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

constexpr std::string_view kTail = "</table></body></html>";

constexpr std::string_view kRowStart = "<tr>";
constexpr std::string_view kRowEnd = "</tr>";
// Every cell is text, as stored. Excel takes that from the table's x:str; LibreOffice ignores it and
// would read "01234567890" or "00184" as numbers, so each cell also carries the text number format
// ("@") in the form LibreOffice's HTML import reads.
constexpr std::string_view kCellStart = "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">";
constexpr std::string_view kCellEnd = "</td>";
constexpr qsizetype kCellMarkup = qsizetype(kCellStart.size() + kCellEnd.size());

// What each byte becomes in a cell: the markup bytes their entities, a line break a blank (it would
// show as one anyway); an empty entry keeps the byte as it is.
const std::array<std::string_view, 256>& replacements()
{
    static const std::array<std::string_view, 256> table = [] {
        std::array<std::string_view, 256> t{};
        t[static_cast<unsigned char>('&')] = "&amp;";
        t[static_cast<unsigned char>('<')] = "&lt;";
        t[static_cast<unsigned char>('>')] = "&gt;";
        // Control bytes, found only in damaged records, shown as the lists show them; a line break
        // inside a cell stays a blank, as a spreadsheet cell has always shown it.
        static constexpr char kShown[] = {Windows1252::kControlShownByte};
        for (int byte = 0; byte < 256; ++byte)
            if (QChar(Windows1252::toUnicode(static_cast<unsigned char>(byte))).category() ==
                QChar::Other_Control)
                t[std::size_t(byte)] = std::string_view(kShown, 1);
        t[static_cast<unsigned char>('\r')] = " ";
        t[static_cast<unsigned char>('\n')] = " ";
        return t;
    }();
    return table;
}

} // namespace

SpreadsheetWriter::SpreadsheetWriter(const QString& path, const QString& sheetName,
                                     const QList<SpreadsheetColumn>& columns)
    : m_file(path, QStringLiteral("export"))
{
    m_buffer.resize(kBufferSize);
    put(kHead);
    putText(sheetName);
    put(kOptions);
    put("<tr>");
    for (const SpreadsheetColumn& column : columns) {
        put("<td style=\"text-align: left; font-weight: bold;\" width=");
        const QByteArray width = QByteArray::number(column.width);
        append(width.constData(), width.size());
        put(">");
        putText(column.header);
        put("</td>");
    }
    put("</tr>");
}

void SpreadsheetWriter::addRow(std::span<const QString> cells)
{
    put(kRowStart);
    for (const QString& cell : cells) {
        put(kCellStart);
        putText(cell);
        put(kCellEnd);
    }
    put(kRowEnd);
}

void SpreadsheetWriter::addEncodedCells(QByteArrayView cells)
{
    // Each byte becomes at most kCellMarkup bytes: a 0 the markup closing one cell and opening the next,
    // any other at most an entity. One room check for the whole row.
    const qsizetype room = qsizetype(kRowStart.size() + kRowEnd.size()) + kCellMarkup * cells.size();
    if (m_used + room > qsizetype(m_buffer.size())) {
        flush();
        if (room > qsizetype(m_buffer.size()))
            m_buffer.resize(std::size_t(room));
    }
    char* out = m_buffer.data() + m_used;
    const auto copy = [&out](std::string_view piece) {
        std::memcpy(out, piece.data(), piece.size());
        out += piece.size();
    };
    const auto& table = replacements();
    copy(kRowStart);
    const char* p = cells.data();
    const char* const end = p + cells.size();
    while (p < end) {
        copy(kCellStart);
        // Trimmed as putEncoded trims: blanks and control bytes at the start are skipped, and the cell is
        // cut back to its last byte above a blank when its 0 comes.
        while (p < end && *p != 0 && static_cast<unsigned char>(*p) <= 0x20)
            ++p;
        char* kept = out;
        for (; p < end && *p != 0; ++p) {
            const auto byte = static_cast<unsigned char>(*p);
            const std::string_view replacement = table[byte];
            if (replacement.empty())
                *out++ = char(byte);
            else
                copy(replacement);
            if (byte > 0x20)
                kept = out;
        }
        out = kept;
        copy(kCellEnd);
        ++p;
    }
    copy(kRowEnd);
    m_used = out - m_buffer.data();
}

void SpreadsheetWriter::finish()
{
    put(kTail);
    flush();
    m_file.commit();
}

void SpreadsheetWriter::append(const char* bytes, qsizetype size)
{
    if (m_used + size > qsizetype(m_buffer.size())) {
        flush();
        if (size > qsizetype(m_buffer.size())) {
            m_file.write(QByteArrayView(bytes, size));
            return;
        }
    }
    std::memcpy(m_buffer.data() + m_used, bytes, std::size_t(size));
    m_used += size;
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
    const auto& table = replacements();
    const char* data = bytes.data();
    qsizetype run = begin;
    for (qsizetype i = begin; i < end; ++i) {
        const std::string_view replacement = table[static_cast<unsigned char>(data[i])];
        if (replacement.empty())
            continue;
        append(data + run, i - run);
        put(replacement);
        run = i + 1;
    }
    append(data + run, end - run);
}

void SpreadsheetWriter::flush()
{
    m_file.write(QByteArrayView(m_buffer.data(), m_used));
    m_used = 0;
}
