#include "checks/Iban.h"

#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace Iban {
namespace {

// The text with every letter A-Z replaced by 10..35; nothing when another character remains.
std::optional<QString> toDigits(QStringView text)
{
    QString digits;
    for (const QChar c : text) {
        if (c >= u'0' && c <= u'9')
            digits += c;
        else if (c >= u'A' && c <= u'Z')
            digits += QString::number(c.unicode() - u'A' + 10);
        else
            return std::nullopt;
    }
    return digits;
}

// The value of a digit string modulo 97, in steps that each read at most nine digits: the remainder's
// text is put in front of the digits that follow.
int mod97(QStringView digits)
{
    QString pending;
    int remainder = 0;
    qsizetype next = 0;
    while (next < digits.size()) {
        const qsizetype take = 9 - pending.size();
        pending += digits.sliced(next, qMin(take, digits.size() - next));
        next += take;
        remainder = static_cast<int>(pending.toLongLong() % 97);
        pending = QString::number(remainder);
    }
    return remainder;
}

} // namespace

QString normaliseInput(QStringView typed)
{
    return typed.trimmed().toString().toUpper();
}

QString checkDigits(QStringView country, QStringView bban)
{
    const auto isLetter = [](QChar c) { return c >= u'A' && c <= u'Z'; };
    if (country.size() != 2 || !isLetter(country[0]) || !isLetter(country[1]))
        return {};
    const std::optional<QString> digits = toDigits(bban.toString() + country.toString() + u"00"_s);
    if (!digits)
        return {};
    return QString::number(98 - mod97(*digits)).rightJustified(2, u'0');
}

CheckResult check(QStringView input)
{
    const QStringView t = input.trimmed();
    if (t.size() != 27)
        return {CheckResult::Warning,
                u"Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici."_s};
    QString iban = t.toString().remove(u' ').toUpper();
    const qsizetype prefix = iban.indexOf(u"IBAN");
    if (prefix >= 0)
        iban.remove(prefix, 4);
    const qsizetype head = qMin<qsizetype>(4, iban.size());
    const std::optional<QString> digits = toDigits(iban.sliced(head) + iban.first(head));
    if (digits && !digits->isEmpty() && mod97(*digits) == 1)
        return {CheckResult::Valid, u"L'IBAN digitato è VALIDO."_s};
    return {CheckResult::Invalid, u"Attenzione: l'IBAN digitato è ERRATO!"_s};
}

bool isValid(QStringView input)
{
    return check(input).verdict == CheckResult::Valid;
}

} // namespace Iban
