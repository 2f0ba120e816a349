#include "screens/RecordLines.h"

#include "storage/RecordFile.h"
#include "storage/StorageError.h"
#include "storage/Windows1252.h"

#include <algorithm>
#include <QFileInfo>

RecordLines::RecordLines(const QString& path, const RecordLayout& layout, QList<qint64> indexes,
                         Encode encode, qsizetype longestLine)
    : m_path(path), m_layout(layout), m_indexes(std::move(indexes)), m_encode(std::move(encode)),
      m_longest(longestLine)
{
}

QString RecordLines::line(qsizetype row) const
{
    if (row < 0 || row >= count())
        return {};
    if (m_blockFirst < 0 || row < m_blockFirst || row >= m_blockFirst + m_block.size())
        readBlock(row - row % kBlock);
    return m_block.at(row - m_blockFirst);
}

void RecordLines::readBlock(qsizetype first) const
{
    const qsizetype rows = std::min(kBlock, count() - first);
    m_blockFirst = first;
    m_block = QStringList(rows, QString());
    // Opening the file would make it anew where it has gone.
    if (!QFileInfo::exists(m_path))
        return;
    try {
        const RecordFile file(m_path, m_layout);
        const qint64 records = file.count();
        QByteArray encoded;
        for (qsizetype row = 0; row < rows; ++row) {
            const qint64 index = m_indexes.at(first + row);
            if (index >= records)
                continue;
            encoded.resize(0);
            m_encode(file.read(index).view(), encoded);
            m_block[row] = Windows1252::decode(encoded);
        }
    } catch (const StorageError&) {
        // What was read stays; the rest of the block shows empty lines.
    }
}
