#include "operators/OperatorCard.h"

#include "operators/OperatorHelp.h"
#include "operators/SchedaOperatore.h"
#include "rules/DateText.h"
#include "screens/FormTexts.h"

using namespace Qt::StringLiterals;
using namespace SchedaOperatore;

namespace {

// clang-format off
QList<CardField> fields()
{
    using K = FieldKind;
    const auto today = CardDefault::today();
    return {
        // control              field          kind                 label
        {u"txtCognome"_s,       Cognome,       K::Text,             u"Cognome:"_s},
        {u"txtNome"_s,          Nome,          K::Text,             u"Nome:"_s},
        {u"txtCodFisc"_s,       CodFisc,       K::Code,             u"Codice fiscale:"_s},
        {u"txtSesso"_s,         Sesso,         K::UpperCaseTrimmed, u"Sesso:"_s},
        {u"txtDataNasc"_s,      DataNasc,      K::Text,             u"Data di nascita:"_s},
        {u"txtComuneNasc"_s,    ComuneNasc,    K::Text,             u"Comune di nascita:"_s},
        {u"txtProvNasc"_s,      ProvNasc,      K::Province,         u"Prov."_s, {}, {}, 0, u"Prov. di nascita"_s},
        {u"txtIva"_s,           Iva,           K::DigitsOnly,       u"Partita IVA:"_s},
        {u"txtIndirizzo"_s,     Indirizzo,     K::Text,             u"Via e numero civico:"_s},
        {u"txtCap"_s,           Cap,           K::Text,             u"CAP:"_s},
        {u"txtComuneRes"_s,     ComuneRes,     K::Text,             u"Comune di residenza:"_s},
        {u"txtProvRes"_s,       ProvRes,       K::Province,         u"Prov."_s, {}, {}, 0, u"Prov. di residenza"_s},
        {u"txtStato"_s,         Stato,         K::Text,             u"Stato civile:"_s},
        {u"txtFamiliari"_s,     Familiari,     K::Text,             u"Giorni e orari disponibilità:"_s},
        {u"txtRecapito"_s,      Recapito,      K::Text,             u"Recapito preferenziale:"_s},
        {u"txtTelCasa"_s,       TelCasa,       K::Text,             u"Tel. casa:"_s},
        {u"txtTelCel"_s,        TelCel,        K::Text,             u"Tel. cellulare:"_s},
        {u"txtTelUff"_s,        TelUff,        K::Text,             u"Tel. ufficio:"_s},
        {u"txtFax"_s,           Fax,           K::Text,             u"Fax:"_s},
        {u"txtEmail"_s,         Email,         K::Trimmed,          u"E-mail:"_s},
        {u"txtQualifiche"_s,    Qualifiche,    K::Text,             u"Qualifica principale:"_s},
        {u"txtProfessione"_s,   Professione,   K::Text,             u"Altri titoli:"_s},
        {u"txtIban"_s,          Iban,          K::Code,             u"IBAN:"_s},
        {u"txtIntestatario"_s,  Intestatario,  K::Text,             u"Intestatario C/C:"_s},
        {u"txtBanca"_s,         Banca,         K::Text,             u"Banca:"_s},
        {u"txtCarta"_s,         Carta,         K::DigitsOnly,       u"Carta di credito n."_s},
        {u"txtScadeCarta"_s,    ScadeCarta,    K::Text,             u"Scadenza:"_s},
        {u"txtProdotti"_s,      Prodotti,      K::Text,             u"Equipaggiamento assegnato:"_s},
        {u"txtPagamento"_s,     Pagamento,     K::Text,             u"Modalità di pagamento:"_s},
        {u"txtNote"_s,          Note,          K::Text,             u"Note:"_s},
        {u"txtTipoDoc"_s,       TipoDoc,       K::Text,             u"Tipo di documento:"_s},
        {u"txtNumDoc"_s,        NumDoc,        K::Text,             u"Numero:"_s},
        {u"txtEnteRil"_s,       EnteRil,       K::Text,             u"Ente di rilascio:"_s},
        {u"txtDataRil"_s,       DataRil,       K::Text,             u"Data di rilascio:"_s},
        {u"txtDataSca"_s,       DataSca,       K::Text,             u"Data di scadenza:"_s},
        {u"txtCodice"_s,        Codice,        K::Text,             u"Mansione:"_s},
        {u"txtCategoria"_s,     Categoria,     K::Text,             u"Categoria:"_s},
        {u"txtZona"_s,          Zona,          K::Text,             u"Livello:"_s},
        {u"txtAcquisto"_s,      Acquisto,      K::Text,             u"Tipo contratto:"_s},
        {u"txtDecorrenza"_s,    Decorrenza,    K::Text,             u"Data assunzione:"_s, {}, today},
        {u"txtScadenza"_s,      Scadenza,      K::Text,             u"Prossima scadenza:"_s, {}, today},
        {u"txtPreavviso"_s,     Preavviso,     K::DigitsOnly,       u"Giorni di preavviso:"_s, {},
         CardDefault::text(u"0"_s)},
        {u"txtTotale"_s,        Totale,        K::Amount,           u"Compenso totale: €"_s, {},
         CardDefault::text(u"0,00"_s)},
        {u"txtFrazionamento"_s, Frazionamento, K::Text,             u"Frazionamento:"_s},
        // The instalment field holds 50 characters; the card takes an amount of 15.
        {u"txtRata"_s,          Rata,          K::Amount,           u"Importo rata: €"_s, {},
         CardDefault::text(u"0,00"_s), 15},
        {u"lblFile01"_s,        File01,        K::Hidden},
        {u"lblFile02"_s,        File02,        K::Hidden},
        {u"lblFile03"_s,        File03,        K::Hidden},
        {u"lblDesc01"_s,        Desc01,        K::Hidden},
        {u"lblDesc02"_s,        Desc02,        K::Hidden},
        {u"lblDesc03"_s,        Desc03,        K::Hidden},
    };
}

// The left block of personal data beside the right block of document and contract, line by line.
QList<CardSection> sections()
{
    constexpr int kLeft = 3;
    constexpr int kRight = 2;
    QList<CardSection> all = {
        {u"fraAnagrafica"_s, u"Dati anagrafici e residenza"_s, {},
         {{{u"txtCognome"_s, 4}, {u"txtNome"_s, 4}, {u"txtCodFisc"_s, 4, u"btnCodFisc"_s}},
          {{u"txtSesso"_s, 1}, {u"txtDataNasc"_s, 2}, {u"txtComuneNasc"_s, 4}, {u"txtProvNasc"_s, 1},
           {u"txtIva"_s, 4, u"btnIva"_s}},
          {{u"txtIndirizzo"_s, 5}, {u"txtCap"_s, 2}, {u"txtComuneRes"_s, 4}, {u"txtProvRes"_s, 1}},
          {{u"txtStato"_s, 4}, {u"txtFamiliari"_s, 8}}}},
        {u"fraDocumento"_s, u"Documento di riconoscimento"_s, {},
         {{{u"txtTipoDoc"_s, 6}, {u"txtNumDoc"_s, 6}},
          {{u"txtEnteRil"_s, 12}},
          {{u"txtDataRil"_s, 6}, {u"txtDataSca"_s, 6}}}},
        {u"fraRecapiti"_s, u"Recapiti e qualifiche"_s, {},
         {{{u"txtRecapito"_s, 4}, {u"txtTelCasa"_s, 4}, {u"txtTelCel"_s, 4}},
          {{u"txtTelUff"_s, 4}, {u"txtFax"_s, 3}, {u"txtEmail"_s, 5, u"btnEmail"_s}},
          {{u"txtQualifiche"_s, 7}, {u"txtProfessione"_s, 5}}}},
        {u"fraMansione"_s, u"Mansione"_s, {},
         {{{u"txtCodice"_s, 6}, {u"txtCategoria"_s, 6}},
          {{u"txtZona"_s, 6}, {u"txtAcquisto"_s, 6}}}},
        {u"fraPagamento"_s, u"Pagamento ed equipaggiamento"_s, {},
         {{{u"txtIban"_s, 6, u"btnIban"_s}, {u"txtIntestatario"_s, 6}},
          {{u"txtBanca"_s, 4}, {u"txtCarta"_s, 5, u"btnCarta"_s}, {u"txtScadeCarta"_s, 3}},
          {{u"txtProdotti"_s, 12}},
          {{u"txtPagamento"_s, 5}, {u"txtNote"_s, 7}}}},
        {u"fraContratto"_s, u"Contratto"_s, {},
         {{{u"txtDecorrenza"_s, 6}, {u"txtScadenza"_s, 6}},
          {{u"txtPreavviso"_s, 6}, {u"txtTotale"_s, 6}},
          {{u"txtFrazionamento"_s, 6}, {u"txtRata"_s, 6}}}},
    };
    for (qsizetype k = 0; k < all.size(); ++k) {
        all[k].widthShare = k % 2 == 0 ? kLeft : kRight;
        all[k].besidePrevious = k % 2 == 1;
    }
    return all;
}

QList<CardButton> buttons()
{
    return {
        // name          caption                        hint
        {u"btnCodFisc"_s, u"Controlla codice fiscale"_s, u"Controlla il codice fiscale."_s, u":/artwork/codice_fiscale.svg"_s},
        {u"btnIva"_s,     u"Controlla partita IVA"_s,    u"Controlla il numero di partita IVA."_s, u":/artwork/partita_iva.svg"_s},
        {u"btnEmail"_s,   u"E-mail"_s,                   u"Invia una e-mail all'indirizzo indicato."_s, u":/artwork/email.svg"_s, u"Invia e-mail"_s},
        {u"btnIban"_s,    u"Controlla IBAN"_s,           u"Controlla l'IBAN."_s, u":/artwork/iban.svg"_s},
        {u"btnCarta"_s,   u"Controlla carta"_s,          u"Controlla il numero di carta di credito."_s, u":/artwork/carta.svg"_s},
    };
}

QList<CardButton> commands()
{
    return {
        CardCommands::nuovo(),
        CardCommands::salva(u"Salva la scheda corrente in archivio."_s),
        CardCommands::trova(),
        {u"cmdFile"_s, u"Allega file"_s, u"Allega file alla scheda corrente."_s, u":/artwork/allega.svg"_s},
        {u"cmdAnteprima"_s, u"Anteprima"_s, u"Visualizza l'anteprima di stampa della scheda corrente."_s,
         u":/artwork/anteprima.svg"_s},
        {u"cmdStampa"_s, u"Stampa"_s, u"Stampa la scheda corrente."_s, u":/artwork/stampa.svg"_s},
        {u"cmdEsporta"_s, u"Esporta"_s, u"Esporta le schede in archivio in un file di Microsoft Excel."_s,
         u":/artwork/esporta.svg"_s},
        {u"cmdScaduti"_s, u"Contratti"_s, u"Visualizza il riepilogo dei contratti in scadenza o scaduti."_s,
         u":/artwork/contratti.svg"_s},
        CardCommands::guida(u"Visualizza la guida in linea."_s),
        CardCommands::esci(u"Esci da questa schermata di lavoro."_s),
    };
}
// clang-format on

const QString kRequired = u"Attenzione: per salvare la scheda è necessario indicare "_s;
const QString kSeparator = u"\n\r\n\r"_s;

// Check of a date that must exist, quoting the text typed.
CardCheck existingDate(const QString& control, const QString& which)
{
    CardCheck check{
        [control](const FormTexts& form) { return DateText::parse(form.text(control)).has_value(); },
        {},
        control,
        Messages::Kind::Plain};
    check.messageFor = [control, which](const FormTexts& form) {
        return u"Attenzione: la data di "_s + which + u' ' + form.text(control) + u" non esiste."_s +
               kSeparator +
               u"Per poter salvare la scheda è necessario indicare una data valida nel formato gg/mm/aaaa."_s;
    };
    return check;
}

// The deadline may equal the hiring date but not come before it; both are valid dates by now.
CardCheck deadlineNotBeforeHiring()
{
    const auto date = [](const FormTexts& form, const char16_t* control) {
        return DateText::parse(form.text(QString::fromUtf16(control))).value_or(QDate());
    };
    CardCheck check{
        [date](const FormTexts& form) { return date(form, u"txtDecorrenza") <= date(form, u"txtScadenza"); },
        {},
        {},
        Messages::Kind::Plain};
    check.messageFor = [](const FormTexts& form) {
        return u"Attenzione: la data di scadenza della prossima rata ("_s +
               form.text(u"txtScadenza"_s).trimmed() +
               u") non può essere anteriore a quella di decorrenza ("_s +
               form.text(u"txtDecorrenza"_s).trimmed() + u")."_s + kSeparator +
               u"Per poter salvare la scheda è necessario indicare un intervallo di tempo valido."_s;
    };
    return check;
}

} // namespace

namespace OperatorCard {

CardDefinition definition()
{
    CardDefinition card;
    card.window = u"TfrmIstruttori"_s;
    card.caption = u" Telvara 3.0 - Operatori e Agenti"_s;
    card.layout = &layout;
    card.file = CardFile::inProgramFolder(QString::fromLatin1(kFileName));
    card.fields = fields();
    card.sections = sections();
    card.buttons = buttons();
    card.commands = commands();
    card.commandPlacement = CommandPlacement::Toolbar;
    card.toolbarGroups = {u"cmdFile"_s, u"cmdAnteprima"_s, u"cmdEsporta"_s, u"cmdGuida"_s};
    card.navigationBefore = u"cmdEsporta"_s;
    card.enterChain = {
        u"txtCognome"_s,    u"txtNome"_s,        u"txtCodFisc"_s,  u"txtSesso"_s,         u"txtDataNasc"_s,
        u"txtComuneNasc"_s, u"txtProvNasc"_s,    u"txtIva"_s,      u"txtIndirizzo"_s,     u"txtCap"_s,
        u"txtComuneRes"_s,  u"txtProvRes"_s,     u"txtStato"_s,    u"txtFamiliari"_s,     u"txtRecapito"_s,
        u"txtTelCasa"_s,    u"txtTelCel"_s,      u"txtTelUff"_s,   u"txtFax"_s,           u"txtEmail"_s,
        u"txtQualifiche"_s, u"txtProfessione"_s, u"txtIban"_s,     u"txtIntestatario"_s,  u"txtBanca"_s,
        u"txtCarta"_s,      u"txtScadeCarta"_s,  u"txtProdotti"_s, u"txtPagamento"_s,     u"txtNote"_s,
        u"txtTipoDoc"_s,    u"txtNumDoc"_s,      u"txtEnteRil"_s,  u"txtDataRil"_s,       u"txtDataSca"_s,
        u"txtCodice"_s,     u"txtCategoria"_s,   u"txtZona"_s,     u"txtAcquisto"_s,      u"txtDecorrenza"_s,
        u"txtScadenza"_s,   u"txtPreavviso"_s,   u"txtTotale"_s,   u"txtFrazionamento"_s, u"txtRata"_s,
    };
    card.idleText = u"Pronto per salvare una nuova scheda..."_s;
    card.help = OperatorHelp::topic();
    // The messages keep the wording of the program's first cards, which spoke of clients and instalments.
    card.checks = {
        CardCheck::required(u"txtCognome"_s, kRequired + u"il cognome del Cliente."_s),
        CardCheck::required(u"txtNome"_s, kRequired + u"il nome del Cliente."_s),
        CardCheck::required(u"txtDecorrenza"_s,
                            kRequired + u"la data di decorrenza dell'acquisto rateale effettuato."_s),
        CardCheck::required(u"txtScadenza"_s, kRequired + u"la data di scadenza della prossima rata."_s),
        existingDate(u"txtDecorrenza"_s, u"decorrenza"_s),
        existingDate(u"txtScadenza"_s, u"scadenza"_s),
        deadlineNotBeforeHiring(),
        CardCheck::required(u"txtPreavviso"_s, kRequired + u"i giorni di preavviso."_s),
    };
    return card;
}

} // namespace OperatorCard
