#include "schedule/ScheduleRules.h"

#include "rules/DateText.h"
#include "schedule/SchedaScadenza.h"
#include "screens/FixedColumn.h"
#include "storage/RecordFile.h"
#include "storage/TextField.h"

#include <algorithm>

namespace ScheduleRules {

namespace {

// The value of two or four ASCII digits; -1 when any is not a digit.
int digits(QByteArrayView text, qsizetype from, qsizetype count)
{
    int value = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// The notice days as stored: one to three digits, read as the field's four bytes (its length and its
// three characters) and chosen by the length without a branch, which varies from record to record;
// anything else goes the long way.
inline std::optional<int> noticeDays(const RecordView& appointment)
{
    using namespace SchedaScadenza;
    static_assert(layout.width(Avviso) == 3);
    const auto* field = reinterpret_cast<const unsigned char*>(appointment.bytes() + layout.offset(Avviso));
    const unsigned length = field[0];
    const unsigned d0 = field[1] - 48u;
    const unsigned d1 = field[2] - 48u;
    const unsigned d2 = field[3] - 48u;
    const unsigned tens = d0 * 10 + d1;
    const unsigned value[4] = {0, d0, tens, tens * 10 + d2};
    const bool first = d0 > 9;
    const bool second = first || d1 > 9;
    const bool bad[4] = {true, first, second, second || d2 > 9};
    if (length - 1 <= 2 && !bad[length])
        return int(value[length]);
    const QByteArrayView text = TextField::trimmedAscii(appointment.raw(Avviso));
    if (text.isEmpty())
        return std::nullopt;
    const int days = digits(text, 0, text.size());
    if (days < 0)
        return std::nullopt;
    return days;
}

// Imminent from its due day minus its notice days up to its due day, both included.
constexpr bool imminentFrom(qint64 due, int notice, qint64 today)
{
    return (due - notice <= today) & (today <= due);
}

} // namespace

std::optional<int> notice(const RecordView& appointment)
{
    return noticeDays(appointment);
}

std::optional<bool> imminent(const RecordView& appointment, QDate today)
{
    const std::optional<qint64> due = DateText::julianDayBytes(appointment.raw(SchedaScadenza::Data));
    const std::optional<int> days = notice(appointment);
    if (!due || !days)
        return std::nullopt;
    return imminentFrom(*due, *days, today.toJulianDay());
}

SortKey::SortKey(const RecordView& appointment)
{
    using namespace SchedaScadenza;
    using FixedColumn::putTrimmed;
    static_assert(layout.width(Giorno) + layout.width(OreApp) + layout.width(MinutiApp) + 2 <= int(sizeof m_bytes));
    const QByteArrayView date = FixedColumn::trimmedBytes(appointment.raw(Data));
    char* out = m_bytes;
    if (date.size() > 3)
        out = putTrimmed(out, date.sliced(3, std::min<qsizetype>(2, date.size() - 3)));
    out = putTrimmed(out, appointment.raw(Giorno));
    out = putTrimmed(out, appointment.raw(OreApp));
    out = putTrimmed(out, appointment.raw(MinutiApp));
    m_size = out - m_bytes;
}

ImminentCheck checkImminent(const RecordFile& file, QDate today)
{
    ImminentCheck check;
    using namespace SchedaScadenza;
    const ScanFields read(layout, {Data, Avviso});
    const qint64 day = today.toJulianDay();
    // One imminent record is the answer: the scan stops there. The rules are taken inline rather than
    // through imminent(): an optional returned from a call per record costs more than the reading. A
    // date already past is not imminent whatever its notice, so its notice is not read.
    file.scan(
        [&](qint64, const RecordView& appointment) {
            const std::optional<qint64> due = DateText::julianDayBytes(appointment.raw(Data));
            if (due && *due < day)
                return true;
            const std::optional<int> days = noticeDays(appointment);
            if (!due || !days)
                ++check.skipped;
            else if (imminentFrom(*due, *days, day))
                check.found = true;
            return !check.found;
        },
        read);
    return check;
}

} // namespace ScheduleRules
