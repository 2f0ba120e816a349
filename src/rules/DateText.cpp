#include "rules/DateText.h"

#include "rules/ValueLists.h"
#include "storage/Windows1252.h"

namespace DateText {
namespace {

// The value of n decimal digits starting at from, or -1.
int digitsAt(QStringView text, qsizetype from, qsizetype n)
{
    int value = 0;
    for (qsizetype i = from; i < from + n; ++i) {
        const QChar c = text[i];
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

QString twoDigits(int n)
{
    return QString::number(n).rightJustified(2, u'0');
}

} // namespace

std::optional<QDate> parse(QStringView text)
{
    const QStringView t = text.trimmed();
    if (t.size() != 10 || t[2] != u'/' || t[5] != u'/')
        return std::nullopt;
    const int day = digitsAt(t, 0, 2);
    const int month = digitsAt(t, 3, 2);
    const int year = digitsAt(t, 6, 4);
    if (day < 0 || month < 0 || year < 0 || !QDate::isValid(year, month, day))
        return std::nullopt;
    return QDate(year, month, day);
}

std::optional<qint64> julianDayBytes(QByteArrayView stored)
{
    const QByteArrayView text = Windows1252::trimmed(stored);
    if (text.size() != 10 || text[2] != '/' || text[5] != '/')
        return std::nullopt;
    // Each digit tested and taken without a branch: the dates of an archive come in no order.
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

std::optional<QDate> parseBytes(QByteArrayView text)
{
    const std::optional<qint64> day = julianDayBytes(text);
    if (!day)
        return std::nullopt;
    return QDate::fromJulianDay(*day);
}

QString compose(QDate date)
{
    if (!date.isValid() || date.year() < 1 || date.year() > 9999)
        return {};
    return twoDigits(date.day()) + u'/' + twoDigits(date.month()) + u'/' +
           QString::number(date.year()).rightJustified(4, u'0');
}

QString composeFromParts(QStringView day, QStringView monthName, QStringView year)
{
    const QString month = ValueLists::monthNumber(monthName);
    if (month.isEmpty())
        return {};
    return day.toString() + u'/' + month + u'/' + year.toString();
}

QString composeTime(QStringView hour, QStringView minute)
{
    return hour.toString() + u':' + minute.toString();
}

bool isYear(QStringView text)
{
    return text.size() == 4 && digitsAt(text, 0, 4) >= 0;
}

} // namespace DateText
