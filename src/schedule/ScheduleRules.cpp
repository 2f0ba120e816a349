#include "schedule/ScheduleRules.h"

#include "schedule/SchedaScadenza.h"
#include "storage/RecordFile.h"

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

} // namespace

std::optional<QDate> date(const RecordView& appointment)
{
    // Read from the stored bytes: the check runs over every record each time the schedule is shown.
    const QByteArrayView text = appointment.raw(SchedaScadenza::Data).trimmed();
    if (text.size() != 10 || text[2] != '/' || text[5] != '/')
        return std::nullopt;
    const int day = digits(text, 0, 2);
    const int month = digits(text, 3, 2);
    const int year = digits(text, 6, 4);
    if (day < 0 || month < 0 || year < 0)
        return std::nullopt;
    const QDate parsed(year, month, day);
    if (!parsed.isValid())
        return std::nullopt;
    return parsed;
}

std::optional<int> notice(const RecordView& appointment)
{
    const QByteArrayView text = appointment.raw(SchedaScadenza::Avviso).trimmed();
    if (text.isEmpty())
        return std::nullopt;
    const int value = digits(text, 0, text.size());
    if (value < 0)
        return std::nullopt;
    return value;
}

std::optional<bool> imminent(const RecordView& appointment, QDate today)
{
    const std::optional<QDate> due = date(appointment);
    const std::optional<int> days = notice(appointment);
    if (!due || !days)
        return std::nullopt;
    const qint64 t = today.toJulianDay();
    const qint64 d = due->toJulianDay();
    return d - *days <= t && t <= d;
}

QString sortKey(const RecordView& appointment)
{
    using namespace SchedaScadenza;
    return appointment.text(Data).mid(3, 2) + appointment.text(Giorno) + appointment.text(OreApp) +
           appointment.text(MinutiApp);
}

ImminentCheck checkImminent(const RecordFile& file, QDate today)
{
    ImminentCheck check;
    // One imminent record is the answer: the scan stops there.
    file.scan([&](qint64, const RecordView& appointment) {
        const std::optional<bool> answer = imminent(appointment, today);
        if (!answer)
            ++check.skipped;
        else if (*answer)
            check.found = true;
        return !check.found;
    });
    return check;
}

} // namespace ScheduleRules
