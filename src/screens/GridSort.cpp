#include "screens/GridSort.h"

#include <algorithm>
#include <numeric>
#include <string_view>
#include <vector>

namespace GridSort {

SortedRows byColumn(const TextTable& rows, int keyColumn)
{
    const qsizetype count = rows.rowCount();
    std::vector<QByteArrayView> keys(static_cast<std::size_t>(count));
    for (qsizetype r = 0; r < count; ++r)
        keys[std::size_t(r)] = rows.encodedCell(r, keyColumn);
    std::vector<qsizetype> order(static_cast<std::size_t>(count));
    std::iota(order.begin(), order.end(), qsizetype(0));
    std::stable_sort(order.begin(), order.end(), [&keys](qsizetype a, qsizetype b) {
        const QByteArrayView left = keys[std::size_t(a)];
        const QByteArrayView right = keys[std::size_t(b)];
        return std::string_view(left.data(), std::size_t(left.size())) <
               std::string_view(right.data(), std::size_t(right.size()));
    });

    SortedRows sorted{TextTable(rows.columnCount()), {}};
    sorted.numbers.reserve(count);
    sorted.rows.reserve(count, 0);
    for (const qsizetype r : order) {
        sorted.rows.appendRowOf(rows, r);
        sorted.numbers.append(r + 1);
    }
    sorted.rows.squeeze();
    return sorted;
}

} // namespace GridSort
