#include "shell/TextTable.h"

#include "storage/Windows1252.h"

#include <cstring>

namespace {

QByteArrayView trimmedBytes(QByteArrayView bytes)
{
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end && static_cast<unsigned char>(bytes[begin]) <= 0x20)
        ++begin;
    while (end > begin && static_cast<unsigned char>(bytes[end - 1]) <= 0x20)
        --end;
    return bytes.sliced(begin, end - begin);
}

} // namespace

void TextTable::clear()
{
    m_arena.clear();
    m_rowStarts.clear();
}

void TextTable::reserve(qsizetype rows, qsizetype bytes)
{
    m_rowStarts.reserve(rows);
    m_arena.reserve(std::size_t(bytes));
}

char* TextTable::putCell(char* out, QByteArrayView bytes) const
{
    if (m_cells == Cells::Trimmed)
        bytes = trimmedBytes(bytes);
    // A 0 byte cannot be typed; stored ones are dropped so they never split a cell.
    const char* p = bytes.data();
    const char* end = p + bytes.size();
    while (p < end) {
        const auto* zero = static_cast<const char*>(std::memchr(p, 0, std::size_t(end - p)));
        const char* stop = zero ? zero : end;
        std::memcpy(out, p, std::size_t(stop - p));
        out += stop - p;
        p = zero ? zero + 1 : end;
    }
    *out++ = '\0';
    return out;
}

void TextTable::appendEncodedRow(std::span<const QByteArrayView> cells)
{
    Q_ASSERT(qsizetype(cells.size()) == m_columns);
    const std::size_t at = m_arena.size();
    std::size_t room = cells.size();
    for (QByteArrayView cell : cells)
        room += std::size_t(cell.size());
    // One resize a row: the cells are copied straight in, then the unused room is given back.
    m_arena.resize(at + room);
    char* out = m_arena.data() + at;
    for (QByteArrayView cell : cells)
        out = putCell(out, cell);
    m_arena.resize(std::size_t(out - m_arena.data()));
    m_rowStarts.append(qint64(at));
}

void TextTable::appendRow(std::span<const QString> cells)
{
    std::vector<QByteArray> encoded;
    encoded.reserve(cells.size());
    std::vector<QByteArrayView> views;
    views.reserve(cells.size());
    for (const QString& cell : cells)
        views.push_back(encoded.emplace_back(Windows1252::encode(cell)));
    appendEncodedRow(views);
}

QByteArrayView TextTable::encodedCell(qsizetype row, int column) const
{
    const char* p = m_arena.data() + m_rowStarts[row];
    for (int c = 0; c < column; ++c)
        p += std::strlen(p) + 1;
    return QByteArrayView(p, qsizetype(std::strlen(p)));
}

void TextTable::encodedRow(qsizetype row, std::span<QByteArrayView> cells) const
{
    const char* p = m_arena.data() + m_rowStarts[row];
    for (QByteArrayView& cell : cells) {
        const auto length = qsizetype(std::strlen(p));
        cell = QByteArrayView(p, length);
        p += length + 1;
    }
}

QString TextTable::cell(qsizetype row, int column) const
{
    return Windows1252::decode(encodedCell(row, column));
}

qsizetype TextTable::memoryUsed() const
{
    return qsizetype(m_arena.capacity()) + m_rowStarts.capacity() * qsizetype(sizeof(qint64));
}
