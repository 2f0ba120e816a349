#include "calls/CallCard.h"

#include "calls/CallHelp.h"
#include "calls/SchedaChiamata.h"
#include "screens/RegisterCard.h"

using namespace Qt::StringLiterals;
using namespace SchedaChiamata;

namespace {

// clang-format off
QList<CardSection> sections()
{
    return RegisterCard::dateTimeSections(u" Data chiamata: "_s, u" Ora chiamata: "_s) + QList<CardSection>{
        {u"fraChiamata"_s, u"Chiamata"_s, u":/artwork/telefono.svg"_s,
         {{{u"txtOggetto"_s, 12}},
          {{u"txtProdotti"_s, 12}},
          {{u"txtRisposta"_s, 7}, {u"txtGrado"_s, 5}},
          {{u"txtConclusioni"_s, 7}, {u"txtDurata"_s, 5}}}},
        {u"fraCliente"_s, u"Cliente"_s, u":/artwork/persona.svg"_s,
         {{{u"txtCliente"_s, 5, u"impCliente"_s}, {u"txtCodFisc"_s, 3, u"btnCodFisc"_s}, {u"txtZona"_s, 4}},
          {{u"txtRecapito"_s, 4}, {u"txtTelCel"_s, 3}, {u"txtEmail"_s, 5, u"btnEmail"_s}}}},
        {u"fraNote"_s, u"Note e operatore"_s, u":/artwork/note.svg"_s,
         {{{u"txtNote"_s, 12}},
          {{u"txtOperatore"_s, 12}}}},
    };
}

QList<CardButton> buttons()
{
    return RegisterCard::dateTimeButtons() + QList<CardButton>{
        // name               caption                      hint
        {u"impCliente"_s,    u"Importa cliente"_s,        u"Importa i dati dall'archivio anagrafico dei clienti."_s,
         u":/artwork/importa.svg"_s},
        {u"btnCodFisc"_s,    u"Controlla codice fiscale"_s, u"Controlla il codice fiscale."_s,
         u":/artwork/codice_fiscale.svg"_s},
        {u"btnEmail"_s,      u"E-mail"_s,                 u"Invia una e-mail all'indirizzo indicato."_s, u":/artwork/email.svg"_s, u"Invia e-mail"_s},
    };
}
// clang-format on

} // namespace

namespace CallCard {

// clang-format off
QList<CardField> fields()
{
    using K = FieldKind;
    return RegisterCard::dateTimeFields({GiornoRit, MeseRit, AnnoRit, DataRit, OreRit, MinutiRit, OraRit}) +
           QList<CardField>{
        // control              field         kind                 label
        {u"txtOggetto"_s,       Oggetto,      K::Text,             u"Oggetto della chiamata:"_s},
        {u"txtProdotti"_s,      Prodotti,     K::Text,             u"Prodotti e servizi proposti:"_s},
        {u"txtRisposta"_s,      Risposta,     K::Text,             u"Risposta del cliente:"_s},
        {u"txtGrado"_s,         Grado,        K::Text,             u"Grado di interesse:"_s},
        {u"txtConclusioni"_s,   Conclusioni,  K::Text,             u"Conclusioni:"_s},
        {u"txtDurata"_s,        Durata,       K::Text,             u"Durata:"_s},
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

QList<CardCheck> detailChecks()
{
    const QString prefix = u"Attenzione: per salvare la scheda è necessario indicare "_s;
    return {
        CardCheck::required(u"txtOggetto"_s, prefix + u"l'oggetto della chiamata."_s),
        CardCheck::required(u"txtCliente"_s, prefix + u"cognome e nome del cliente."_s),
    };
}

CardDefinition definition()
{
    CardDefinition card;
    card.window = u"TfrmChiamate"_s;
    card.caption = u" Telvara 3.0 - Registro Chiamate"_s;
    card.layout = &layout;
    card.fields = fields();
    card.sections = sections();
    card.buttons = buttons();
    card.commands = RegisterCard::commands(u"Visualizza il riepilogo giornaliero delle chiamate."_s,
                                           u"Visualizza il riepilogo mensile delle chiamate."_s,
                                           u"Visualizza il riepilogo annuale delle chiamate."_s);
    card.enterChain = {
        u"txtGiornoRit"_s, u"txtMeseRit"_s,  u"txtOreRit"_s,    u"txtMinutiRit"_s,   u"txtOggetto"_s,
        u"txtProdotti"_s,  u"txtRisposta"_s, u"txtGrado"_s,     u"txtConclusioni"_s, u"txtDurata"_s,
        u"txtCliente"_s,   u"txtCodFisc"_s,  u"txtZona"_s,      u"txtRecapito"_s,    u"txtTelCel"_s,
        u"txtEmail"_s,     u"txtNote"_s,     u"txtOperatore"_s,
    };
    card.help = CallHelp::topic();
    card.checks = detailChecks();

    const QString prefix = u"Attenzione: per salvare la scheda è necessario indicare "_s;
    RegisterCard::complete(card, {
                                     prefix + u"il giorno della chiamata."_s,
                                     prefix + u"il giorno della chiamata usando due cifre."_s,
                                     prefix + u"il mese della data della chiamata."_s,
                                     prefix + u"l'ora della chiamata."_s,
                                     prefix + u"i minuti dell'ora della chiamata."_s,
                                     prefix + u"l'ora della chiamata usando due cifre."_s,
                                     prefix + u"i minuti dell'ora della chiamata usando due cifre."_s,
                                 });
    return card;
}

} // namespace CallCard
