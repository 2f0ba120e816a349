#include "screens/TextTable.h"

#include "storage/Windows1252.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sys/mman.h>
#include <unistd.h>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <new>
#include <utility>
#include <vector>

namespace {

bool hasZeroByte(std::uint64_t word)
{
    return ((word - 0x0101010101010101ULL) & ~word & 0x8080808080808080ULL) != 0;
}

// Copies a cell's bytes, dropping any 0 byte (one cannot be typed; a stored one must not split a cell),
// and ends the cell with a 0. Cells are short: an inline loop over eight-byte words beats calls to
// memchr and memcpy. Never writes past where the cell's bytes would end.
char* putCell(char* out, const char* p, const char* end)
{
    while (end - p >= 8) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        if (!hasZeroByte(word)) {
            std::memcpy(out, &word, 8);
            out += 8;
        } else {
            for (int i = 0; i < 8; ++i) {
                *out = p[i];
                out += p[i] != 0;
            }
        }
        p += 8;
    }
    for (; p < end; ++p) {
        *out = *p;
        out += *p != 0;
    }
    *out++ = '\0';
    return out;
}

#if defined(__SSE2__)
// putCell sixteen bytes at a time, for a cell whose bytes may be read up to 15 past its end and whose
// copy may be written up to 16 past: every block is stored whole and the cell goes on where its text
// ends. A block holding a 0 byte (damaged data) leaves the rest to putCell.
char* putCellInBlocks(char* out, const char* p, const char* end)
{
    const __m128i zero = _mm_setzero_si128();
    while (p < end) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const auto n = static_cast<unsigned>(std::min<qsizetype>(16, end - p));
        const auto zeros = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, zero)));
        if ((zeros & ((1u << n) - 1)) != 0)
            return putCell(out, p, end);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), block);
        out += n;
        p += n;
    }
    *out++ = '\0';
    return out;
}
#endif

// Room a row may write past its cells' bytes when they are copied in blocks.
constexpr qsizetype kBlockSlack = 16;

// Arenas that grow beyond this get a mapping of their own, which grows by moving its pages rather than
// copying them and can ask for large pages; smaller ones stay on the heap.
constexpr qsizetype kOwnMappingBytes = 4 << 20;

std::size_t pageRounded(qsizetype bytes)
{
    static const auto page = std::size_t(sysconf(_SC_PAGESIZE));
    return (std::size_t(bytes) + page - 1) / page * page;
}

constexpr std::size_t kLargePage = 2 << 20;

std::size_t largePageRounded(std::size_t bytes)
{
    return (bytes + kLargePage - 1) / kLargePage * kLargePage;
}

struct Mapping
{
    char* begin;
    std::size_t usable;   // readable and writable from begin
    std::size_t reserved; // the whole mapping, usable part included
};

// A mapping that begins on a 2 MiB boundary and asks for pages of 2 MiB: fresh memory then costs one
// fault and one clearing per 2 MiB instead of per 4 KiB, measured three to four times faster. Beyond the
// usable bytes, address space up to kReservedBytes is set aside without access, which costs no memory
// and counts against no commit limit, so that the arena grows in place: a mapping that moves has its
// large pages split. Where the kernel refuses the reservation, the mapping is as large as asked.
Mapping mapArena(std::size_t bytes)
{
    constexpr std::size_t kReservedBytes = std::size_t(1) << 30;
    for (const std::size_t size : {std::max(bytes, kReservedBytes), bytes}) {
        void* block =
            mmap(nullptr, size + kLargePage, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
        if (block == MAP_FAILED)
            continue;
        const auto begin = reinterpret_cast<std::uintptr_t>(block);
        const std::uintptr_t aligned = (begin + kLargePage - 1) & ~std::uintptr_t(kLargePage - 1);
        if (aligned > begin)
            munmap(block, aligned - begin);
        if (const std::uintptr_t end = begin + size + kLargePage; end > aligned + size)
            munmap(reinterpret_cast<void*>(aligned + size), end - (aligned + size));
        auto* const arena = reinterpret_cast<char*>(aligned);
        if (mprotect(arena, bytes, PROT_READ | PROT_WRITE) != 0) {
            munmap(arena, size);
            continue;
        }
#if defined(MADV_HUGEPAGE)
        madvise(arena, size, MADV_HUGEPAGE);
#endif
        return {arena, bytes, size};
    }
    throw std::bad_alloc();
}

} // namespace

TextTable::~TextTable()
{
    release();
}

void TextTable::release()
{
    if (m_ownMapping)
        munmap(m_arena, std::size_t(m_reserved));
    else
        std::free(m_arena);
    m_arena = nullptr;
    m_capacity = 0;
    m_reserved = 0;
    m_ownMapping = false;
}

TextTable::TextTable(const TextTable& other)
    : m_columns(other.m_columns), m_cells(other.m_cells), m_rowStarts(other.m_rowStarts),
      m_reordered(other.m_reordered)
{
    growTo(other.m_used);
    if (other.m_used > 0)
        std::memcpy(m_arena, other.m_arena, std::size_t(other.m_used));
    m_used = other.m_used;
    m_mapped = other.m_used;
}

TextTable::TextTable(TextTable&& other) noexcept
    : m_columns(other.m_columns), m_cells(other.m_cells), m_arena(std::exchange(other.m_arena, nullptr)),
      m_used(std::exchange(other.m_used, 0)), m_capacity(std::exchange(other.m_capacity, 0)),
      m_mapped(std::exchange(other.m_mapped, 0)), m_reserved(std::exchange(other.m_reserved, 0)),
      m_ownMapping(std::exchange(other.m_ownMapping, false)), m_rowStarts(std::move(other.m_rowStarts)),
      m_reordered(std::exchange(other.m_reordered, false))
{
    other.m_rowStarts.clear();
}

TextTable& TextTable::operator=(const TextTable& other)
{
    if (this != &other) {
        TextTable copy(other);
        *this = std::move(copy);
    }
    return *this;
}

TextTable& TextTable::operator=(TextTable&& other) noexcept
{
    if (this != &other) {
        release();
        m_columns = other.m_columns;
        m_cells = other.m_cells;
        m_arena = std::exchange(other.m_arena, nullptr);
        m_used = std::exchange(other.m_used, 0);
        m_capacity = std::exchange(other.m_capacity, 0);
        m_mapped = std::exchange(other.m_mapped, 0);
        m_reserved = std::exchange(other.m_reserved, 0);
        m_ownMapping = std::exchange(other.m_ownMapping, false);
        m_rowStarts = std::move(other.m_rowStarts);
        other.m_rowStarts.clear();
        m_reordered = std::exchange(other.m_reordered, false);
    }
    return *this;
}

void TextTable::clear()
{
    m_used = 0;
    m_rowStarts.clear();
    m_reordered = false;
}

void TextTable::growTo(qsizetype bytes)
{
    if (bytes <= m_capacity)
        return;
    if (!m_ownMapping && bytes < kOwnMappingBytes) {
        void* grown = std::realloc(m_arena, std::size_t(bytes));
        if (!grown)
            throw std::bad_alloc();
        // A block that moved may have been copied into fresh pages: only what it held is mapped for sure.
        if (grown != m_arena)
            m_mapped = std::min(m_mapped, m_used);
        m_arena = static_cast<char*>(grown);
        m_capacity = bytes;
        return;
    }
    // Whole large pages, so that no page of 2 MiB is cut by the end of the usable part.
    const std::size_t size = largePageRounded(std::size_t(bytes));
    if (m_ownMapping) {
        if (qsizetype(size) <= m_reserved) {
            if (mprotect(m_arena + m_capacity, size - std::size_t(m_capacity), PROT_READ | PROT_WRITE) != 0)
                throw std::bad_alloc();
            m_capacity = qsizetype(size);
            return;
        }
        // Past the reservation: the mapping, all usable by now, moves with its pages, never copied.
        void* grown = mremap(m_arena, std::size_t(m_reserved), size, MREMAP_MAYMOVE);
        if (grown == MAP_FAILED)
            throw std::bad_alloc();
        m_arena = static_cast<char*>(grown);
        m_capacity = m_reserved = qsizetype(size);
        return;
    }
    const Mapping mapping = mapArena(size);
    if (m_used > 0)
        std::memcpy(mapping.begin, m_arena, std::size_t(m_used));
    std::free(m_arena);
    m_arena = mapping.begin;
    m_capacity = qsizetype(mapping.usable);
    m_reserved = qsizetype(mapping.reserved);
    m_mapped = m_used;
    m_ownMapping = true;
}

void TextTable::mapAhead(qsizetype room)
{
    constexpr qsizetype kAhead = 1 << 20;
    const qsizetype wanted = std::min(m_used + room + kAhead, m_capacity);
#if defined(MADV_POPULATE_WRITE)
    static const auto page = std::uintptr_t(sysconf(_SC_PAGESIZE));
    const auto base = reinterpret_cast<std::uintptr_t>(m_arena);
    const std::uintptr_t from = (base + std::uintptr_t(std::max(m_mapped, m_used)) + page - 1) & ~(page - 1);
    const std::uintptr_t to = (base + std::uintptr_t(wanted)) & ~(page - 1);
    // Only a hint: where the kernel refuses, the pages are mapped at their first write as before.
    if (to > from)
        madvise(reinterpret_cast<void*>(from), to - from, MADV_POPULATE_WRITE);
#endif
    m_mapped = wanted;
}

void TextTable::reserve(qsizetype rows, qsizetype bytes)
{
    m_rowStarts.reserve(rows);
    growTo(bytes);
}

void TextTable::squeeze()
{
    m_rowStarts.squeeze();
    m_mapped = std::min(m_mapped, m_used);
    if (m_capacity == m_used)
        return;
    if (m_used == 0) {
        release();
        return;
    }
    // Shrinking in place never fails in practice; if it does, the larger block simply stays.
    if (m_ownMapping) {
        const std::size_t size = pageRounded(m_used);
        if (qsizetype(size) < m_reserved && munmap(m_arena + size, std::size_t(m_reserved) - size) == 0)
            m_capacity = m_reserved = qsizetype(size);
        return;
    }
    if (void* shrunk = std::realloc(m_arena, std::size_t(m_used))) {
        m_arena = static_cast<char*>(shrunk);
        m_capacity = m_used;
    }
}

void TextTable::appendEncodedRow(std::span<const QByteArrayView> cells, QByteArrayView readable)
{
    Q_ASSERT(qsizetype(cells.size()) == m_columns);
    qsizetype room = qsizetype(cells.size()) + kBlockSlack;
    for (QByteArrayView cell : cells)
        room += cell.size();
    if (m_used + room > m_capacity)
        growTo(std::max(m_used + room, m_capacity + m_capacity / 2));
    if (m_used + room > m_mapped)
        mapAhead(room);
#if defined(__SSE2__)
    // Compared as addresses: a cell built elsewhere (a joined column) is simply not inside.
    const auto readableBegin = reinterpret_cast<std::uintptr_t>(readable.data());
    const auto readableEnd = readableBegin + std::uintptr_t(readable.size());
#else
    Q_UNUSED(readable);
#endif
    const qsizetype at = m_used;
    char* out = m_arena + at;
    const bool trim = m_cells == Cells::Trimmed;
    for (QByteArrayView cell : cells) {
        const char* begin = cell.data();
        const char* end = begin + cell.size();
        if (trim) {
            while (begin < end && static_cast<unsigned char>(*begin) <= 0x20)
                ++begin;
            while (end > begin && static_cast<unsigned char>(end[-1]) <= 0x20)
                --end;
        }
#if defined(__SSE2__)
        const auto cellBegin = reinterpret_cast<std::uintptr_t>(begin);
        if (cellBegin >= readableBegin && reinterpret_cast<std::uintptr_t>(end) + 15 <= readableEnd) {
            out = putCellInBlocks(out, begin, end);
            continue;
        }
#endif
        out = putCell(out, begin, end);
    }
    m_used = out - m_arena;
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
    // The last cell, a sorted grid's key, is found from the row's end rather than past all the others.
    if (column == m_columns - 1 && column > 0) {
        const QByteArrayView bytes = encodedRowBytes(row);
        const char* end = bytes.data() + bytes.size() - 1; // its 0 byte
        const auto* before =
            static_cast<const char*>(memrchr(bytes.data(), 0, std::size_t(end - bytes.data())));
        return QByteArrayView(before + 1, end - before - 1);
    }
    const char* p = m_arena + m_rowStarts[row];
    for (int c = 0; c < column; ++c)
        p += std::strlen(p) + 1;
    return QByteArrayView(p, qsizetype(std::strlen(p)));
}

QByteArrayView TextTable::encodedRowBytes(qsizetype row) const
{
    const qint64 begin = m_rowStarts[row];
    if (m_reordered) {
        const char* end = m_arena + begin;
        for (int c = 0; c < m_columns; ++c)
            end += std::strlen(end) + 1;
        return QByteArrayView(m_arena + begin, end - (m_arena + begin));
    }
    const qint64 end = row + 1 < m_rowStarts.size() ? m_rowStarts[row + 1] : m_used;
    return QByteArrayView(m_arena + begin, end - begin);
}

void TextTable::reorder(std::span<const qsizetype> order)
{
    Q_ASSERT(qsizetype(order.size()) == rowCount());
    QList<qint64> starts;
    starts.reserve(rowCount());
    for (const qsizetype row : order)
        starts.append(m_rowStarts[row]);
    m_rowStarts = std::move(starts);
    m_reordered = true;
}

QString TextTable::cell(qsizetype row, int column) const
{
    return Windows1252::decodeShown(encodedCell(row, column));
}

qsizetype TextTable::memoryUsed() const
{
    // A mapping of its own holds memory only where its pages were touched; the rest is address space.
    const qsizetype arena = m_ownMapping ? std::min(m_mapped, m_capacity) : m_capacity;
    return arena + m_rowStarts.capacity() * qsizetype(sizeof(qint64));
}
