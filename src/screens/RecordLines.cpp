#include "screens/RecordLines.h"

#include "storage/Record.h"
#include "storage/RecordFile.h"
#include "storage/StorageError.h"
#include "storage/Windows1252.h"

#include <algorithm>
#include <cerrno>

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
    if (!RecordFile::exists(m_path)) {
        fail(StorageError(QStringLiteral("open"), m_path, ENOENT));
        return;
    }
    const qint64 size = m_layout.size();
    try {
        const RecordFile file(m_path, m_layout);
        QByteArray encoded;
        const auto put = [&](qsizetype row, const char* record) {
            encoded.resize(0);
            m_encode(RecordView(m_layout, record), encoded);
            m_block[row] = Windows1252::decodeShown(encoded);
        };
        // The records of a block lie close together when the list takes most of the file: one read
        // brings them all, where they span no more than a few blocks' worth.
        const qint64 from = *std::min_element(m_indexes.begin() + first, m_indexes.begin() + first + rows);
        const qint64 to = *std::max_element(m_indexes.begin() + first, m_indexes.begin() + first + rows);
        if (to - from < 4 * kBlock) {
            QByteArray span((to - from + 1) * size, Qt::Uninitialized);
            const qint64 read = file.readRecords(from, to - from + 1, span.data());
            for (qsizetype row = 0; row < rows; ++row)
                if (const qint64 at = m_indexes.at(first + row) - from; at < read)
                    put(row, span.constData() + at * size);
            if (to - from >= read)
                fail(StorageError(QStringLiteral("read"), m_path, ENODATA));
            return;
        }
        const qint64 records = file.count();
        for (qsizetype row = 0; row < rows; ++row) {
            if (const qint64 index = m_indexes.at(first + row); index < records) {
                const Record record = file.read(index);
                put(row, record.bytes().constData());
            } else {
                fail(StorageError(QStringLiteral("read"), m_path, ENODATA));
            }
        }
    } catch (const StorageError& error) {
        // What was read stays; the rest of the block shows empty lines.
        fail(error);
    }
}

void RecordLines::fail(const StorageError& error) const
{
    if (m_failure.isEmpty())
        m_failure = QString::fromLocal8Bit(error.what());
}
