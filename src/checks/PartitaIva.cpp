#include "checks/PartitaIva.h"

#include "checks/VatOffices.h"

using namespace Qt::Literals::StringLiterals;

namespace PartitaIva {
namespace {

bool allDigits(QStringView text)
{
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

int digit(QChar c)
{
    return c.unicode() - u'0';
}

} // namespace

QString normaliseInput(QStringView typed)
{
    QString digits;
    for (const QChar c : typed)
        if (c >= u'0' && c <= u'9')
            digits += c;
    return digits;
}

int checkDigit(QStringView first10)
{
    if (first10.size() != 10 || !allDigits(first10))
        return -1;
    int sum = 0;
    for (qsizetype i = 0; i < 10; ++i) {
        const int d = digit(first10[i]);
        // i is 0-based: odd i is an even position, whose digit is doubled and its two digits added.
        sum += i % 2 == 0 ? d : (2 * d) / 10 + (2 * d) % 10;
    }
    return (10 - sum % 10) % 10;
}

CheckResult check(QStringView input)
{
    if (input.size() != 11)
        return {CheckResult::Warning,
                u"Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."_s};
    if (!allDigits(input) || checkDigit(input.first(10)) != digit(input[10]))
        return {
            CheckResult::Invalid,
            u"Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\nNon è quindi possibile "
            "fornire informazioni relative all'Ufficio IVA che lo ha rilasciato."_s};
    const QStringView code = input.sliced(7, 3);
    const QString office = VatOffices::name(code.toInt());
    const QString issuer = office.isEmpty()
                               ? u"E' stato rilasciato dall'Ufficio IVA di codice "_s + code.toString() +
                                     u", che non figura nell'elenco degli uffici conosciuti."_s
                               : u"E' stato rilasciato dall'Ufficio IVA del Comune di "_s + office + u'.';
    return {CheckResult::Valid, u"Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"_s + issuer};
}

bool isValid(QStringView input)
{
    return check(input).verdict == CheckResult::Valid;
}

} // namespace PartitaIva
