#include "sales/SaleMail.h"

using namespace Qt::StringLiterals;

namespace SaleMail {

MailMessage confirmation(const ControlTexts& card)
{
    const auto trimmed = [&card](const QString& control) { return card.value(control).trimmed(); };
    const auto shown = [&card](const QString& control) { return card.value(control); };
    const QString body =
        u"Gentile Sig. "_s + trimmed(u"txtCliente"_s) +
        u", con la presente le confermiamo la corretta registrazione del suo acquisto effettuato in data "_s +
        shown(u"txtGiornoRit"_s) + u' ' + shown(u"txtMeseRit"_s) + u' ' + shown(u"lblAnnoRit"_s) +
        u" alle ore "_s + shown(u"txtOreRit"_s) + u':' + shown(u"txtMinutiRit"_s) +
        u" relativo all'articolo con codice n. "_s + trimmed(u"txtCodice"_s) +
        u" al prezzo convenuto di euro "_s + trimmed(u"txtImporto"_s) +
        u" con le seguenti caratteristiche: "_s + trimmed(u"txtDescrizione"_s) +
        u". Ringraziandola per la preferenza accordataci, le porgiamo cordiali saluti."_s;
    return {trimmed(u"txtEmail"_s), u"Conferma acquisto"_s, body};
}

} // namespace SaleMail
