#include "schedule/ScheduleRules.h"

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

// The Julian day of `Data`, read from the stored bytes and computed without a QDate: the check runs
// over every record each time the schedule is shown.
std::optional<qint64> julianDay(const RecordView& appointment)
{
    const QByteArrayView text = TextField::trimmedAscii(appointment.raw(SchedaScadenza::Data));
    if (text.size() != 10 || text[2] != '/' || text[5] != '/')
        return std::nullopt;
    // Each digit tested and taken without a branch: the dates of a schedule are in no order.
    const auto* c = reinterpret_cast<const unsigned char*>(text.data());
    const unsigned at[] = {c[0] - 48u, c[1] - 48u, c[3] - 48u, c[4] - 48u,
                           c[6] - 48u, c[7] - 48u, c[8] - 48u, c[9] - 48u};
    bool notDigit = false;
    for (const unsigned digit : at)
        notDigit |= digit > 9;
    if (notDigit)
        return std::nullopt;
    const unsigned day = at[0] * 10 + at[1];
    const unsigned month = at[2] * 10 + at[3];
    const unsigned year = at[4] * 1000 + at[5] * 100 + at[6] * 10 + at[7];
    if (day < 1 || month < 1 || month > 12 || year < 1)
        return std::nullopt;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    static constexpr unsigned kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (day > kDays[month - 1] + unsigned(month == 2 && leap))
        return std::nullopt;
    // Days from 1 March of year 0 of the proleptic Gregorian calendar, then shifted to the Julian day.
    const unsigned y = year - unsigned(month <= 2);
    const unsigned era = y / 400;
    const unsigned yearOfEra = y - era * 400;
    const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return qint64(era) * 146097 + dayOfEra + 1721120;
}

} // namespace

std::optional<QDate> date(const RecordView& appointment)
{
    const std::optional<qint64> day = julianDay(appointment);
    if (!day)
        return std::nullopt;
    return QDate::fromJulianDay(*day);
}

std::optional<int> notice(const RecordView& appointment)
{
    // One to three digits as stored, taken without a branch on their count, which varies from record to
    // record; anything else goes the long way.
    const QByteArrayView stored = appointment.raw(SchedaScadenza::Avviso);
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

std::optional<bool> imminent(const RecordView& appointment, QDate today)
{
    const std::optional<qint64> due = julianDay(appointment);
    const std::optional<int> days = notice(appointment);
    if (!due || !days)
        return std::nullopt;
    const qint64 t = today.toJulianDay();
    return (*due - *days <= t) & (t <= *due);
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
    // One imminent record is the answer: the scan stops there.
    file.scan(
        [&](qint64, const RecordView& appointment) {
            const std::optional<bool> answer = imminent(appointment, today);
            if (!answer)
                ++check.skipped;
            else if (*answer)
                check.found = true;
            return !check.found;
        },
        read);
    return check;
}

} // namespace ScheduleRules
