#include "rules/DateText.h"

#include "rules/ValueLists.h"
#include "storage/Windows1252.h"

namespace DateText {
namespace {

// The value of n decimal digits starting at from, or -1.
template <typename View> int digitsAt(View text, qsizetype from, qsizetype n)
{
    int value = 0;
    for (qsizetype i = from; i < from + n; ++i) {
        const int c = int(text[i].unicode());
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// "dd/mm/yyyy" of a real calendar day, in characters or bytes.
template <typename View> std::optional<QDate> parseTrimmed(View t)
{
    if (t.size() != 10 || t[2] != QLatin1Char('/') || t[5] != QLatin1Char('/'))
        return std::nullopt;
    const int day = digitsAt(t, 0, 2);
    const int month = digitsAt(t, 3, 2);
    const int year = digitsAt(t, 6, 4);
    if (day < 0 || month < 0 || year < 0 || !QDate::isValid(year, month, day))
        return std::nullopt;
    return QDate(year, month, day);
}

QString twoDigits(int n)
{
    return QString::number(n).rightJustified(2, u'0');
}

} // namespace

std::optional<QDate> parse(QStringView text)
{
    return parseTrimmed(text.trimmed());
}

std::optional<QDate> parseBytes(QByteArrayView text)
{
    return parseTrimmed(QLatin1StringView(Windows1252::trimmed(text)));
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
