#include "checks/CreditCard.h"

using namespace Qt::Literals::StringLiterals;

namespace CreditCard {
namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The circuit of a Luhn-valid number from its first digit and, for a 3, the first two characters of the
// input; nothing for a number that is not valid. *silent is set for the circuits that get no message.
QString circuit(QChar first, QStringView input, bool* silent)
{
    *silent = false;
    switch (first.unicode()) {
    case u'3': {
        const QChar second = input.size() > 1 ? input[1] : QChar();
        switch (input[0] == u'3' ? second.unicode() : 0) {
        case u'0':
        case u'6':
        case u'8':
            return u"Diner's Club / Carte Blanche"_s;
        case u'4':
        case u'7':
            return u"American Express"_s;
        case u'1':
        case u'3':
        case u'5':
            return u"JCB"_s;
        case u'2':
        case u'9':
            *silent = true;
            return {};
        default:
            return {};
        }
    }
    case u'4':
        return u"Visa"_s;
    case u'5':
        return u"MasterCard"_s;
    case u'6':
        return u"Discover"_s;
    default:
        return {};
    }
}

} // namespace

QString normaliseInput(QStringView typed)
{
    QString digits;
    for (const QChar c : typed)
        if (isDigit(c))
            digits += c;
    return digits;
}

int luhnCheckDigit(QStringView digitsWithoutLast)
{
    int sum = 0;
    bool doubled = true; // the digit left of the check digit is doubled, then every second one
    for (qsizetype i = digitsWithoutLast.size() - 1; i >= 0; --i) {
        if (!isDigit(digitsWithoutLast[i]))
            return -1;
        int d = digitsWithoutLast[i].unicode() - u'0';
        if (doubled) {
            d *= 2;
            if (d > 9)
                d -= 9;
        }
        sum += d;
        doubled = !doubled;
    }
    return (10 - sum % 10) % 10;
}

CheckResult check(QStringView input)
{
    const QStringView trimmed = input.trimmed();
    if (trimmed.isEmpty())
        return {CheckResult::Warning, u"Attenzione: immettere il numero di carta di credito prima di premere "
                                      "il pulsante di controllo."_s};
    const CheckResult invalid{CheckResult::Invalid,
                              u"Attenzione: il numero digitato risulta ERRATO!\r\n\r\nNon è quindi possibile "
                              "fornire informazioni relative al tipo di carta di credito."_s};
    QString d;
    for (const QChar c : trimmed.first(qMin<qsizetype>(20, trimmed.size())))
        if (isDigit(c))
            d += c;
    if (d.isEmpty() || luhnCheckDigit(QStringView(d).chopped(1)) != d.back().unicode() - u'0')
        return invalid;
    bool silent = false;
    const QString type = circuit(d.front(), trimmed, &silent);
    if (silent)
        return {CheckResult::NoMessage, {}};
    if (type.isEmpty())
        return invalid;
    return {CheckResult::Valid, u"Il numero di carta di credito "_s + trimmed.toString() +
                                    u" risulta valido.\r\n\r\nLa carta di credito è del tipo "_s + type +
                                    u'.'};
}

bool isValid(QStringView input)
{
    return check(input).verdict == CheckResult::Valid;
}

} // namespace CreditCard
