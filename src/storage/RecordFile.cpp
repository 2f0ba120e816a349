#include "storage/RecordFile.h"

#include "storage/ArchiveLocation.h"
#include "storage/StorageError.h"

#include <cerrno>
#include <new>

RecordFile::RecordFile(const QString& path, const RecordLayout& layout)
    : m_path(path), m_layout(layout), m_store(ArchiveLocation::open(path, layout))
{
}

RecordFile::~RecordFile() = default;

bool RecordFile::exists(const QString& path)
{
    return ArchiveLocation::exists(path);
}

Record RecordFile::read(qint64 index) const
{
    if (index < 0 || index >= count())
        throw StorageError(QStringLiteral("read"), m_path, EINVAL);
    QByteArray bytes(m_layout.size(), Qt::Uninitialized);
    if (m_store->readBlock(bytes.data(), index, 1) != 1)
        throw StorageError(QStringLiteral("read"), m_path, EIO);
    return Record(m_layout, std::move(bytes));
}

RecordFile::BlockBuffer RecordFile::allocateBlock(qint64 bytes)
{
    const qint64 rounded = (bytes + 2 * kCopyAlignment - 1) / kCopyAlignment * kCopyAlignment;
    BlockBuffer buffer(static_cast<char*>(std::aligned_alloc(kCopyAlignment, std::size_t(rounded))));
    if (!buffer)
        throw std::bad_alloc();
    return buffer;
}
