#pragma once

#include <array>
#include <cmath>
#include <QtGlobal>

// The twelve figures of a monthly chart, January first, and how many records were left out because a
// figure of theirs could not be read.
struct MonthlyTotals
{
    std::array<double, 12> totals{};
    qint64 skipped = 0;

    // Each total rounded to whole units, halves up, as the chart shows it.
    std::array<qint64, 12> rounded() const
    {
        std::array<qint64, 12> units{};
        for (std::size_t i = 0; i < totals.size(); ++i)
            units[i] = qint64(std::floor(totals[i] + 0.5));
        return units;
    }
};
