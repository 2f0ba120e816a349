#include "sales/SaleCard.h"

#include "sales/SaleHelp.h"
#include "sales/SchedaVendita.h"
#include "screens/CardScreen.h"
#include "screens/RegisterCard.h"

using namespace Qt::StringLiterals;
using namespace SchedaVendita;

namespace {

// clang-format off
QList<CardSection> sections()
{
    return RegisterCard::dateTimeSections(u" Data vendita: "_s, u" Ora vendita: "_s) + QList<CardSection>{
        {u"fraArticolo"_s, u"Articolo venduto"_s, u":/artwork/prodotti.svg"_s,
         {{{u"txtCodice"_s, 4, u"impArticolo"_s}, {u"txtTipologia"_s, 8}},
          {{u"txtDescrizione"_s, 12}},
          {{u"txtImporto"_s, 2}, {u"txtConsegna"_s, 5}, {u"txtPagamento"_s, 5}}}},
        {u"fraCliente"_s, u"Cliente"_s, u":/artwork/persona.svg"_s,
         {{{u"txtCliente"_s, 5, u"impCliente"_s}, {u"txtCodFisc"_s, 3, u"btnCodFisc"_s}, {u"txtZona"_s, 4}},
          {{u"txtRecapito"_s, 4}, {u"txtTelCel"_s, 3}, {u"txtEmail"_s, 5, u"cmdEmail"_s}}}},
        {u"fraNote"_s, u"Note e operatore"_s, u":/artwork/note.svg"_s,
         {{{u"txtNote"_s, 12}},
          {{u"txtOperatore"_s, 12}}}},
    };
}

QList<CardButton> buttons()
{
    return RegisterCard::dateTimeButtons() + QList<CardButton>{
        // name               caption                      hint
        {u"impArticolo"_s,   u"Importa articolo"_s,       u"Importa i dati dell'articolo dal magazzino."_s,
         u":/artwork/importa_articolo.svg"_s},
        {u"impCliente"_s,    u"Importa cliente"_s,        u"Importa i dati dall'archivio anagrafico dei clienti."_s,
         u":/artwork/importa.svg"_s},
        {u"btnCodFisc"_s,    u"Controlla codice fiscale"_s, u"Controlla il codice fiscale."_s,
         u":/artwork/codice_fiscale.svg"_s},
        {u"cmdEmail"_s,      u"E-mail"_s,
         u"Invia al cliente una e-mail di conferma registrazione dell'acquisto effettuato."_s,
         u":/artwork/email.svg"_s, u"Invia e-mail"_s},
    };
}
// clang-format on

} // namespace

namespace SaleCard {

// clang-format off
QList<CardField> fields()
{
    using K = FieldKind;
    return RegisterCard::dateTimeFields({GiornoRit, MeseRit, AnnoRit, DataRit, OreRit, MinutiRit, OraRit}) +
           QList<CardField>{
        // control              field         kind                 label
        {u"txtCodice"_s,        Codice,       K::Text,             u"Codice articolo:"_s},
        {u"txtTipologia"_s,     Tipologia,    K::Text,             u"Tipologia:"_s},
        {u"txtDescrizione"_s,   Descrizione,  K::Text,             u"Descrizione:"_s},
        {u"txtImporto"_s,       Importo,      K::Amount,           u"Importo: €"_s, {}, CardDefault::text(u"0,00"_s)},
        {u"txtConsegna"_s,      Consegna,     K::Text,             u"Modalità di consegna:"_s},
        {u"txtPagamento"_s,     Pagamento,    K::Text,             u"Modalità di pagamento:"_s},
        {u"txtCliente"_s,       Cliente,      K::Text,             u"Cognome e nome cliente:"_s},
        {u"txtCodFisc"_s,       CodFisc,      K::Code,             u"Codice fiscale:"_s},
        {u"txtZona"_s,          Zona,         K::Text,             u"Zona di appartenenza:"_s},
        {u"txtRecapito"_s,      Recapito,     K::Text,             u"Recapito preferenziale:"_s},
        {u"txtTelCel"_s,        TelCel,       K::Text,             u"Tel. cellulare:"_s},
        {u"txtEmail"_s,         Email,        K::Trimmed,          u"E-mail:"_s},
        {u"txtNote"_s,          Note,         K::Text,             u"Note:"_s},
        {u"txtOperatore"_s,     Operatore,    K::Text,             u"Operatore / Agente:"_s},
    };
}
// clang-format on

QList<CardCheck> mailChecks()
{
    const QString prefix = u"Attenzione: per inviare l'e-mail è necessario indicare "_s;
    return {
        CardCheck::required(u"txtGiornoRit"_s, prefix + u"il giorno della data di vendita."_s),
        CardCheck::required(u"txtMeseRit"_s, prefix + u"il mese della data di vendita."_s),
        CardCheck::required(u"txtOreRit"_s, prefix + u"l'ora della vendita."_s),
        CardCheck::required(u"txtMinutiRit"_s, prefix + u"i minuti primi dell'ora della vendita."_s),
        CardCheck::required(u"txtCodice"_s, prefix + u"il codice dell'articolo venduto."_s),
        CardCheck::required(u"txtDescrizione"_s, prefix + u"la descrizione dell'articolo venduto."_s),
        CardCheck::required(u"txtImporto"_s, prefix + u"il prezzo dell'articolo venduto."_s),
        CardCheck::required(u"txtCliente"_s, prefix + u"cognome e nome del cliente."_s),
        CardCheck::required(u"txtEmail"_s, prefix + u"l'indirizzo e-mail del cliente."_s),
    };
}

QList<CardCheck> detailChecks()
{
    const QString prefix = u"Attenzione: per salvare la scheda è necessario indicare "_s;
    return {
        CardCheck::required(u"txtCodice"_s, prefix + u"il codice dell'articolo venduto."_s),
        CardCheck::required(u"txtTipologia"_s, prefix + u"la tipologia dell'articolo venduto."_s),
        CardCheck::required(u"txtCliente"_s, prefix + u"cognome e nome del cliente."_s),
        CardCheck::required(u"txtCodFisc"_s, prefix + u"il codice fiscale del cliente."_s),
    };
}

CardDefinition definition()
{
    CardDefinition card;
    card.window = u"TfrmRegistro"_s;
    card.caption = u" Telvara 3.0 - Registro vendite"_s;
    card.layout = &layout;
    card.fields = fields();
    card.sections = sections();
    card.buttons = buttons();
    card.commands = RegisterCard::commands(u"Visualizza il riepilogo giornaliero delle vendite."_s,
                                           u"Visualizza il riepilogo mensile delle vendite."_s,
                                           u"Visualizza il riepilogo annuale delle vendite."_s);
    card.enterChain = {
        u"txtGiornoRit"_s, u"txtMeseRit"_s,     u"txtOreRit"_s,    u"txtMinutiRit"_s, u"txtCodice"_s,
        u"txtTipologia"_s, u"txtDescrizione"_s, u"txtImporto"_s,   u"txtConsegna"_s,  u"txtPagamento"_s,
        u"txtCliente"_s,   u"txtCodFisc"_s,     u"txtZona"_s,      u"txtRecapito"_s,  u"txtTelCel"_s,
        u"txtEmail"_s,     u"txtNote"_s,        u"txtOperatore"_s,
    };
    card.help = SaleHelp::topic();
    card.checks = detailChecks();

    const QString prefix = u"Attenzione: per salvare la scheda è necessario indicare "_s;
    // A click on Save leaves the focus in the amount: it is normalised here as leaving it would.
    RegisterCard::complete(
        card,
        {
            prefix + u"il giorno della data di vendita."_s,
            prefix + u"il giorno della data di vendita usando due cifre."_s,
            prefix + u"il mese della data di vendita."_s,
            prefix + u"l'ora della vendita."_s,
            prefix + u"i minuti dell'ora della vendita."_s,
            prefix + u"l'ora della vendita usando due cifre."_s,
            prefix + u"i minuti dell'ora della vendita usando due cifre."_s,
        },
        [fields = card.fields](CardScreen& screen) { CardAmounts::normalise(fields, screen); });
    return card;
}

} // namespace SaleCard
