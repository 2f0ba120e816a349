#include "storage/RecordCopy.h"

#include <vector>

qint64 copyRecords(const RecordStore& from, RecordStore& to, const RecordLayout& layout,
                   const CopyProgress& progress)
{
    constexpr qint64 kBlock = 20000;
    const qint64 total = from.count();
    QByteArray block(kBlock * layout.size(), Qt::Uninitialized);
    std::vector<Record> records;
    qint64 copied = 0;
    while (copied < total) {
        const qint64 read = from.readBlock(block.data(), copied, std::min(kBlock, total - copied));
        if (read == 0)
            break;
        records.clear();
        for (qint64 i = 0; i < read; ++i)
            records.emplace_back(layout, block.mid(i * layout.size(), layout.size()));
        to.append(records);
        copied += read;
        if (progress)
            progress(copied, total);
    }
    return copied;
}
