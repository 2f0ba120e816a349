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

void TextTable::appendCell(QByteArrayView bytes)
{
    if (m_cells == Cells::Trimmed)
        bytes = trimmedBytes(bytes);
    // A 0 byte cannot be typed; stored ones are dropped so they never split a cell.
    const char* p = bytes.data();
    const char* end = p + bytes.size();
    while (p < end) {
        const auto* zero = static_cast<const char*>(std::memchr(p, 0, std::size_t(end - p)));
        const char* stop = zero ? zero : end;
        m_arena.insert(m_arena.end(), p, stop);
        p = zero ? zero + 1 : end;
    }
    m_arena.push_back('\0');
}

void TextTable::appendRow(std::span<const QString> cells)
{
    Q_ASSERT(qsizetype(cells.size()) == m_columns);
    m_rowStarts.append(qint64(m_arena.size()));
    for (const QString& cell : cells)
        appendCell(Windows1252::encode(cell));
}

void TextTable::appendEncodedRow(std::span<const QByteArrayView> cells)
{
    Q_ASSERT(qsizetype(cells.size()) == m_columns);
    m_rowStarts.append(qint64(m_arena.size()));
    for (QByteArrayView cell : cells)
        appendCell(cell);
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
