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

// The notice days as stored: one to three digits, taken without a branch on their count, which varies
// from record to record; anything else goes the long way.
inline std::optional<int> noticeDays(QByteArrayView stored)
{
    if (stored.size() >= 1 && stored.size() <= 3) {
        const auto* c = reinterpret_cast<const unsigned char*>(stored.data());
        const qsizetype n = stored.size();
        const unsigned d0 = c[0] - 48u;
        const unsigned d1 = n > 1 ? c[1] - 48u : 0;
        const unsigned d2 = n > 2 ? c[2] - 48u : 0;
        if ((d0 <= 9) & (d1 <= 9) & (d2 <= 9)) {
            const unsigned value = n == 1 ? d0 : n == 2 ? d0 * 10 + d1 : d0 * 100 + d1 * 10 + d2;
            return int(value);
        }
    }
    const QByteArrayView text = TextField::trimmedAscii(stored);
    if (text.isEmpty())
        return std::nullopt;
    const int value = digits(text, 0, text.size());
    if (value < 0)
        return std::nullopt;
    return value;
}

// Imminent from its due day minus its notice days up to its due day, both included.
constexpr bool imminentFrom(qint64 due, int notice, qint64 today)
{
    return (due - notice <= today) & (today <= due);
}

} // namespace

std::optional<int> notice(const RecordView& appointment)
{
    return noticeDays(appointment.raw(SchedaScadenza::Avviso));
}

std::optional<bool> imminent(const RecordView& appointment, QDate today)
{
    const std::optional<qint64> due = DateText::julianDayBytes(appointment.raw(SchedaScadenza::Data));
    const std::optional<int> days = notice(appointment);
    if (!due || !days)
        return std::nullopt;
    return imminentFrom(*due, *days, today.toJulianDay());
}

QByteArray sortKey(const RecordView& appointment)
{
    using namespace SchedaScadenza;
    using FixedColumn::trimmedBytes;
    const QByteArrayView date = trimmedBytes(appointment.raw(Data));
    QByteArray key;
    if (date.size() > 3)
        key = date.sliced(3, std::min<qsizetype>(2, date.size() - 3)).toByteArray();
    key.append(trimmedBytes(appointment.raw(Giorno)));
    key.append(trimmedBytes(appointment.raw(OreApp)));
    key.append(trimmedBytes(appointment.raw(MinutiApp)));
    return key;
}

ImminentCheck checkImminent(const RecordFile& file, QDate today)
{
    ImminentCheck check;
    using namespace SchedaScadenza;
    const int read[] = {layout.offset(Data), layout.offset(Avviso)};
    const qint64 day = today.toJulianDay();
    // One imminent record is the answer: the scan stops there. The rules are taken inline rather than
    // through imminent(): an optional returned from a call per record costs more than the reading.
    file.scan(
        [&](qint64, const RecordView& appointment) {
            const std::optional<qint64> due = DateText::julianDayBytes(appointment.raw(Data));
            const std::optional<int> days = noticeDays(appointment.raw(Avviso));
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
