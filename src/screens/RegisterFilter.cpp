#include "screens/RegisterFilter.h"

#include "rules/StoredMonth.h"
#include "rules/ValueLists.h"
#include "storage/TextField.h"
#include "storage/Windows1252.h"

#include <algorithm>

namespace RegisterFilter {

namespace {

// The field's stored bytes trimmed; nothing when its length byte runs past the field.
std::optional<QByteArrayView> stored(const RecordView& record, int field)
{
    const RecordLayout& layout = record.layout();
    if (static_cast<unsigned char>(record.bytes()[layout.offset(field)]) > layout.width(field))
        return std::nullopt;
    return TextField::trimmedAscii(record.raw(field));
}

bool digits(QByteArrayView text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Whether a part of the date equals the one wanted; nothing when it cannot be read.
std::optional<bool> sameYear(const RecordView& record, int field, const QByteArray& wanted)
{
    const std::optional<QByteArrayView> year = stored(record, field);
    if (!year || year->size() != 4 || !digits(*year))
        return std::nullopt;
    return *year == wanted;
}

std::optional<bool> sameDay(const RecordView& record, int field, const QByteArray& wanted)
{
    const std::optional<QByteArrayView> day = stored(record, field);
    if (!day || day->size() != 2 || !digits(*day))
        return std::nullopt;
    if (const int value = ((*day)[0] - '0') * 10 + ((*day)[1] - '0'); value < 1 || value > 31)
        return std::nullopt;
    return *day == wanted;
}

} // namespace

RecordFilter of(const RecordLayout& layout, DateFields fields, const QString& year, const QString& month,
                const QString& day)
{
    // Compared on the stored bytes: a million records are filtered without decoding a field.
    const QByteArray wantedYear = Windows1252::encode(TextField::trimmed(year));
    const QString monthName = TextField::trimmed(month);
    const int wantedMonth = ValueLists::monthNumber(monthName).toInt();
    const QByteArray wantedDay = Windows1252::encode(TextField::trimmed(day));
    return [=, months = StoredMonth(layout, fields.month)](const RecordView& record) -> std::optional<bool> {
        // A part that can be read and differs puts the record elsewhere, whatever the others hold.
        bool unreadable = false;
        const auto differs = [&unreadable](std::optional<bool> same) {
            unreadable |= !same;
            return !same.value_or(true);
        };
        if (differs(sameYear(record, fields.year, wantedYear)))
            return false;
        if (!monthName.isEmpty()) {
            const int stored = months.of(record);
            if (differs(stored == 0 ? std::nullopt : std::optional<bool>(stored == wantedMonth)))
                return false;
        }
        if (!wantedDay.isEmpty() && differs(sameDay(record, fields.day, wantedDay)))
            return false;
        if (unreadable)
            return std::nullopt;
        return true;
    };
}

} // namespace RegisterFilter
