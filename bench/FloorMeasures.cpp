#include "calls/CallGrid.h"
#include "calls/SchedaChiamata.h"
#include "Measures.h"
#include "storage/RecordFile.h"

#include <algorithm>
#include <fcntl.h>
#include <QFile>
#include <stdexcept>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::size_t kPage = 4096;

// The block of the last fresh-memory measure, released before the next run is timed.
struct FreshBlock
{
    void* data = nullptr;
    std::size_t bytes = 0;
};

FreshBlock& freshBlock()
{
    static FreshBlock block;
    return block;
}

} // namespace

qint64 Measures::mapOnly(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw std::runtime_error("open");
    const off_t bytes = ::lseek(fd, 0, SEEK_END);
    void* data = ::mmap(nullptr, std::size_t(bytes), PROT_READ, MAP_SHARED, fd, 0);
    ::close(fd);
    if (data == MAP_FAILED)
        throw std::runtime_error("mmap");
    // One byte every 64 KiB: each read faults in the pages the kernel maps around it.
    qint64 sum = 0;
    for (std::size_t at = 0; at < std::size_t(bytes); at += 16 * kPage)
        sum += *(static_cast<const volatile char*>(data) + at);
    ::munmap(data, std::size_t(bytes));
    return sum;
}

qint64 Measures::touchSummaryFields(const BenchArchives& archives)
{
    const RecordLayout& layout = SchedaChiamata::layout;
    std::vector<int> offsets;
    for (const GridColumn& column : CallGrid::summaryColumns())
        for (const int field : column.fields)
            offsets.push_back(layout.offset(field));
    const RecordFile file(archives.calls, layout);
    qint64 sum = 0;
    file.scan(
        [&](qint64, const RecordView& record) {
            for (const int offset : offsets)
                sum += static_cast<unsigned char>(record.bytes()[offset]);
        },
        offsets);
    return sum;
}

qint64 Measures::freshMemory(qsizetype bytes)
{
    releaseFreshMemory();
    void* data =
        ::mmap(nullptr, std::size_t(bytes), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (data == MAP_FAILED)
        throw std::runtime_error("mmap");
    // Mapped a megabyte at a time, as a grid's table has its pages mapped, then each page written once.
    constexpr std::size_t kStep = 1 << 20;
    for (std::size_t step = 0; step < std::size_t(bytes); step += kStep) {
        const std::size_t size = std::min(kStep, std::size_t(bytes) - step);
        ::madvise(static_cast<char*>(data) + step, (size + kPage - 1) / kPage * kPage, MADV_POPULATE_WRITE);
        for (std::size_t at = step; at < step + size; at += kPage)
            static_cast<char*>(data)[at] = 1;
    }
    freshBlock() = {data, std::size_t(bytes)};
    return bytes;
}

void Measures::releaseFreshMemory()
{
    FreshBlock& block = freshBlock();
    if (block.data)
        ::munmap(block.data, block.bytes);
    block = {};
}
