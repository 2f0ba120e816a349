#include "screens/CardMerge.h"

#include "rules/NumberText.h"

#include <cmath>

namespace CardMerge {

namespace {

bool sameField(const Record& a, const Record& b, int field)
{
    return a.raw(field) == b.raw(field);
}

// The stored count moved by what this card moved it; nothing when a count cannot be read, is not whole
// or would fall below zero.
std::optional<QString> movedCount(const Record& base, const Record& stored, const Record& mine, int field)
{
    const std::optional<double> from = NumberText::read(base.text(field));
    const std::optional<double> to = NumberText::read(mine.text(field));
    const std::optional<double> now = NumberText::read(stored.text(field));
    if (!from || !to || !now)
        return std::nullopt;
    const double moved = *now + (*to - *from);
    if (moved < 0 || moved != std::floor(moved))
        return std::nullopt;
    return NumberText::write(moved);
}

} // namespace

void copyField(Record& to, const Record& from, int field)
{
    const RecordLayout& layout = from.layout();
    const int offset = layout.offset(field);
    QByteArray bytes = to.bytes();
    bytes.replace(offset, layout.width(field) + 1, from.bytes().constData() + offset,
                  layout.width(field) + 1);
    to = Record(layout, std::move(bytes));
}

Outcome merge(const Record& base, const Record& stored, const Record& mine, const QSet<int>& edited,
              const QSet<int>& counts)
{
    Outcome outcome{stored, {}, stored.bytes() != base.bytes()};
    const int fields = stored.layout().fieldCount();
    for (int field = 0; field < fields; ++field) {
        if (!edited.contains(field))
            continue;
        if (sameField(stored, base, field)) {
            copyField(outcome.merged, mine, field);
            continue;
        }
        // Two movements of a count that end on the same number are still two movements.
        if (counts.contains(field)) {
            if (const std::optional<QString> count = movedCount(base, stored, mine, field)) {
                outcome.merged.setText(field, *count);
                continue;
            }
        } else if (sameField(mine, stored, field)) {
            continue;
        }
        copyField(outcome.merged, mine, field);
        outcome.conflicts.append({field, stored.text(field), mine.text(field), base.text(field)});
    }
    return outcome;
}

} // namespace CardMerge
