#include "screens/RegisterFilter.h"

#include "rules/StoredMonth.h"
#include "rules/ValueLists.h"
#include "storage/TextField.h"
#include "storage/Windows1252.h"

#include <algorithm>
#include <array>
#include <cstring>

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
    const bool byMonth = !TextField::trimmed(month).isEmpty();
    const int wantedMonth = ValueLists::monthNumber(TextField::trimmed(month)).toInt();
    const QByteArray wantedDay = Windows1252::encode(TextField::trimmed(day));
    // The year as the cards store it, its four digits alone, is taken at one look; any other bytes are
    // judged in full.
    std::array<char, 5> storedYear = {};
    const bool yearAtOneLook = wantedYear.size() == 4 && digits(wantedYear);
    if (yearAtOneLook) {
        storedYear[0] = 4;
        std::copy(wantedYear.begin(), wantedYear.end(), storedYear.begin() + 1);
    }
    const StoredMonth months(layout, fields.month);
    const int yearOffset = layout.offset(fields.year);
    const auto test = [=](const RecordView& record) -> std::optional<bool> {
        // A part that can be read and differs puts the record elsewhere, whatever the others hold.
        bool unreadable = false;
        if (!yearAtOneLook ||
            std::memcmp(record.bytes() + yearOffset, storedYear.data(), storedYear.size()) != 0) {
            const std::optional<bool> same = sameYear(record, fields.year, wantedYear);
            if (same == false)
                return false;
            unreadable = !same;
        }
        if (byMonth) {
            const int stored = months.of(record);
            if (stored != 0 && stored != wantedMonth)
                return false;
            unreadable |= stored == 0;
        }
        if (!wantedDay.isEmpty()) {
            const std::optional<bool> same = sameDay(record, fields.day, wantedDay);
            if (same == false)
                return false;
            unreadable |= !same;
        }
        if (unreadable)
            return std::nullopt;
        return true;
    };
    return {test, {fields.day, fields.month, fields.year}};
}

} // namespace RegisterFilter
