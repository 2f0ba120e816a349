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
    m_arena.reserve(bytes);
}

void TextTable::appendCell(QByteArrayView bytes)
{
    // A 0 byte cannot be typed; stored ones are dropped so they never split a cell.
    for (char c : m_cells == Cells::Trimmed ? trimmedBytes(bytes) : bytes)
        if (c != '\0')
            m_arena.append(c);
    m_arena.append('\0');
}

void TextTable::appendRow(std::span<const QString> cells)
{
    Q_ASSERT(qsizetype(cells.size()) == m_columns);
    m_rowStarts.append(m_arena.size());
    for (const QString& cell : cells)
        appendCell(Windows1252::encode(cell));
}

void TextTable::appendEncodedRow(std::span<const QByteArrayView> cells)
{
    Q_ASSERT(qsizetype(cells.size()) == m_columns);
    m_rowStarts.append(m_arena.size());
    for (QByteArrayView cell : cells)
        appendCell(cell);
}

QByteArrayView TextTable::encodedCell(qsizetype row, int column) const
{
    const char* p = m_arena.constData() + m_rowStarts[row];
    for (int c = 0; c < column; ++c)
        p += std::strlen(p) + 1;
    return QByteArrayView(p, qsizetype(std::strlen(p)));
}

QString TextTable::cell(qsizetype row, int column) const
{
    return Windows1252::decode(encodedCell(row, column));
}

qsizetype TextTable::memoryUsed() const
{
    return m_arena.capacity() + m_rowStarts.capacity() * qsizetype(sizeof(qint64));
}
