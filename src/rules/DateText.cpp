#include "rules/DateText.h"

#include "rules/ValueLists.h"

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
