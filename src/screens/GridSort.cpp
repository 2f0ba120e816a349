#include "screens/GridSort.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

namespace GridSort {

SortedRows byColumn(TextTable rows, int keyColumn)
{
    const qsizetype count = rows.rowCount();
    // Each key's first eight bytes as one number in the same order, so that most comparisons are one
    // instruction; the whole keys are compared only where those agree.
    struct Entry
    {
        std::uint64_t head;
        qsizetype row;
    };
    std::vector<QByteArrayView> keys(static_cast<std::size_t>(count));
    std::vector<Entry> order(static_cast<std::size_t>(count));
    for (qsizetype r = 0; r < count; ++r) {
        const QByteArrayView key = rows.encodedCell(r, keyColumn);
        keys[std::size_t(r)] = key;
        std::uint64_t head = 0;
        for (qsizetype i = 0; i < 8; ++i)
            head = head << 8 | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0u);
        order[std::size_t(r)] = {head, r};
    }
    std::stable_sort(order.begin(), order.end(), [&keys](const Entry& a, const Entry& b) {
        if (a.head != b.head)
            return a.head < b.head;
        const QByteArrayView left = keys[std::size_t(a.row)];
        const QByteArrayView right = keys[std::size_t(b.row)];
        if (left.size() <= 8 && right.size() <= 8)
            return left.size() < right.size();
        return std::string_view(left.data(), std::size_t(left.size())) <
               std::string_view(right.data(), std::size_t(right.size()));
    });

    // Only the rows' offsets move: copying their bytes into a table of their own cost as much again as
    // filling it, in fresh memory.
    std::vector<qsizetype> rowOrder;
    rowOrder.reserve(order.size());
    QList<qint64> numbers;
    numbers.reserve(count);
    for (const Entry& entry : order) {
        rowOrder.push_back(entry.row);
        numbers.append(entry.row + 1);
    }
    rows.reorder(rowOrder);
    return {std::move(rows), std::move(numbers)};
}

} // namespace GridSort
