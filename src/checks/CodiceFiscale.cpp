#include "checks/CodiceFiscale.h"

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace CodiceFiscale {
namespace {

// Index of a character of 0-9 and A-Z: 0..9 for the digits, 10..35 for the letters; -1 otherwise.
int indexOf(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'A' && c <= u'Z')
        return c.unicode() - u'A' + 10;
    return -1;
}

// Values at odd positions (1, 3, ..., 15): a digit is worth as the letter of the same rank (0 as A).
constexpr std::array<int, 26> OddLetterValues = {1,  0,  5, 7, 9, 13, 15, 17, 19, 21, 2,  4,  18,
                                                 20, 11, 3, 6, 8, 12, 14, 16, 10, 22, 25, 24, 23};

int oddValue(int index)
{
    return OddLetterValues[static_cast<std::size_t>(index < 10 ? index : index - 10)];
}

// Values at even positions: digits 0..9, letters A..Z 0..25.
int evenValue(int index)
{
    return index < 10 ? index : index - 10;
}

} // namespace

QString normaliseInput(QStringView typed)
{
    return typed.trimmed().toString().toUpper();
}

QChar checkCharacter(QStringView first15)
{
    if (first15.size() != 15)
        return {};
    int sum = 0;
    for (qsizetype i = 0; i < 15; ++i) {
        const int index = indexOf(first15[i]);
        if (index < 0)
            return {};
        // i is 0-based: even i is an odd position.
        sum += i % 2 == 0 ? oddValue(index) : evenValue(index);
    }
    return QChar(u'A' + sum % 26);
}

CheckResult check(QStringView input)
{
    const QString t = input.toString().toUpper();
    if (t.size() != 16)
        return {CheckResult::Warning,
                u"Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."_s};
    const QChar expected = checkCharacter(QStringView(t).first(15));
    if (!expected.isNull() && expected == t.at(15))
        return {CheckResult::Valid, u"Il codice fiscale digitato è VALIDO."_s};
    return {CheckResult::Invalid, u"Attenzione: il codice fiscale digitato è ERRATO."_s};
}

bool isValid(QStringView input)
{
    return check(input).verdict == CheckResult::Valid;
}

} // namespace CodiceFiscale
