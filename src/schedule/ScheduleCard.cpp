#include "schedule/ScheduleCard.h"

#include "schedule/SchedaScadenza.h"
#include "schedule/ScheduleHelp.h"
#include "screens/CardScreen.h"
#include "screens/FormTexts.h"

using namespace Qt::StringLiterals;
using namespace SchedaScadenza;

namespace {

const QString kPrefix = u"Attenzione: per salvare la scheda è necessario indicare "_s;

} // namespace

namespace ScheduleCard {

// clang-format off
QList<CardField> fields()
{
    using K = FieldKind;
    return {
        // control              field         kind           label
        {u"txtGiorno"_s,        Giorno,       K::Day,        u"Giorno:"_s},
        {u"txtMese"_s,          Mese,         K::Month,      u"Mese:"_s},
        {u"lblAnno"_s,          Anno,         K::Label,      u"Anno"_s},
        {u"lblData"_s,          Data,         K::Hidden},
        {u"txtOreApp"_s,        OreApp,       K::Hour,       u"Ore:"_s, {}, CardDefault::text(u"00"_s)},
        {u"txtMinutiApp"_s,     MinutiApp,    K::Minute,     u"Minuti:"_s, {}, CardDefault::text(u"00"_s)},
        {u"lblOra"_s,           Ora,          K::Hidden},
        {u"txtAvviso"_s,        Avviso,       K::DigitsOnly, u"Avvisa n."_s},
        {u"lblGiorniPrima"_s,   -1,           K::Label,      u"giorni prima della scadenza."_s},
        {u"txtPagatore"_s,      Pagatore,     K::Text,       u"Cognome e nome cliente:"_s},
        {u"txtCodFisc"_s,       CodFisc,      K::Code,             u"Codice fiscale:"_s},
        {u"txtNumTessera"_s,    NumTessera,   K::Text,       u"Zona di appartenenza:"_s},
        {u"txtCarica"_s,        Carica,       K::Text,       u"Questioni in sospeso:"_s},
        {u"txtTelCel"_s,        TelCel,       K::Text,       u"Tel. cellulare:"_s},
        {u"txtRecapito"_s,      Recapito,     K::Text,       u"Recapito preferenziale:"_s},
        {u"txtAnticipi"_s,      Anticipi,     K::Text,       u"Operatore telefonico:"_s},
        {u"txtComplessivo"_s,   Complessivo,  K::Text,       u"Luogo appuntamento:"_s},
        {u"txtRateazione"_s,    Rateazione,   K::Text,       u"Durata prevista:"_s},
        {u"txtBeneficiario"_s,  Beneficiario, K::Text,       u"Agente incaricato:"_s},
        {u"txtDettagli"_s,      Dettagli,     K::Text,       u"Causale scadenza:"_s},
        {u"txtOfficina"_s,      Officina,     K::Text,       u"Modalità di pagamento:"_s},
        {u"txtCosto"_s,         Costo,        K::Amount,     u"Importo in euro:"_s, {}, CardDefault::text(u"0,00"_s)},
        {u"txtContatto"_s,      Contatto,     K::Text,       u"Estremi ricevuta:"_s},
        {u"txtNote"_s,          Note,         K::Text,       u"Note:"_s},
        {u"chkDaConfermare"_s,  DaConfermare, K::Flag,       u"Appuntamento da confermare"_s,
         u"Spunta questa casella per annotare che l'appuntamento è in attesa di conferma."_s, CardDefault::text(u"No"_s)},
        {u"chkEffettuata"_s,    Effettuata,   K::Flag,       u"Pagamento effettuato"_s,
         u"Spunta questa casella per annotare che il pagamento è stata effettuato."_s, CardDefault::text(u"No"_s)},
        {u"lblFile"_s,          -1,           K::Hidden},
    };
}
// clang-format on

} // namespace ScheduleCard

namespace {

// clang-format off
QList<CardSection> sections()
{
    CardSection time{u"fraOra"_s, u" Ora appuntamento: "_s, {},
                     {{{u"txtOreApp"_s, 6}, {u"txtMinutiApp"_s, 6}}}};
    time.besidePrevious = true;
    CardSection notice{u"fraAvviso"_s, u" Preavviso: "_s, {},
                       {{{u"txtAvviso"_s, 3}, {u"lblGiorniPrima"_s, 9}}}};
    notice.besidePrevious = true;
    return {
        {u"fraData"_s, u" Data scadenza: "_s, {},
         {{{u"txtGiorno"_s, 3}, {u"txtMese"_s, 5}, {u"lblAnno"_s, 4}}}},
        time,
        notice,
        {u"fraCliente"_s, u"Cliente"_s, u":/artwork/persona.svg"_s,
         {{{u"txtPagatore"_s, 5, u"impPag"_s}, {u"txtCodFisc"_s, 3, u"btnCodFisc"_s}, {u"txtNumTessera"_s, 4}},
          {{u"txtCarica"_s, 5}, {u"txtTelCel"_s, 3}, {u"txtRecapito"_s, 4}}}},
        {u"fraAppuntamento"_s, u"Appuntamento"_s, u":/artwork/scadenzario.svg"_s,
         {{{u"txtAnticipi"_s, 6, u"impOperatore"_s}, {u"txtBeneficiario"_s, 6, u"impAgente"_s}},
          {{u"txtComplessivo"_s, 6}, {u"txtRateazione"_s, 6}},
          {{u"txtDettagli"_s, 12}}}},
        {u"fraPagamento"_s, u"Pagamento"_s, u":/artwork/pagamento.svg"_s,
         {{{u"txtOfficina"_s, 6}, {u"txtCosto"_s, 3}, {u"txtContatto"_s, 3}},
          {{u"chkDaConfermare"_s, 6}, {u"chkEffettuata"_s, 6}}}},
        {u"fraNote"_s, u"Note"_s, u":/artwork/note.svg"_s, {{{u"txtNote"_s, 12}}}},
    };
}

QList<CardButton> buttons()
{
    const QString staff = u"Importa i dati dall'archivio degli operatori e agenti."_s;
    return {
        // name               caption                        hint
        {u"impPag"_s,        u"Importa cliente"_s,          u"Importa i dati dall'archivio degli clienti."_s,
         u":/artwork/importa.svg"_s},
        {u"impOperatore"_s,  u"Importa operatore"_s,        staff, u":/artwork/importa.svg"_s},
        {u"impAgente"_s,     u"Importa agente"_s,           staff, u":/artwork/importa.svg"_s},
        {u"btnCodFisc"_s,    u"Controlla codice fiscale"_s, u"Controlla il codice fiscale."_s,
         u":/artwork/codice_fiscale.svg"_s},
    };
}

QList<CardButton> commands()
{
    return {
        CardCommands::nuovo(),
        CardCommands::duplica(),
        CardCommands::salva(u"Salva la scheda corrente in archivio."_s),
        CardCommands::trova(),
        {u"cmdImporta"_s, u"Anteprima"_s, u"Visualizza l'anteprima di stampa."_s,
         u":/artwork/anteprima.svg"_s},
        {u"cmdStampa"_s, u"Stampa"_s, u"Stampa la scheda corrente."_s, u":/artwork/stampa.svg"_s},
        {u"cmdEsporta"_s, u"Esporta archivio"_s,
         u"Esporta le schede in archivio in un file di Microsoft Excel."_s, u":/artwork/esporta.svg"_s},
        {u"cmdDaConfermare"_s, u"Da confermare"_s,
         u"Visualizza l'elenco degli appuntamenti in attesa di conferma."_s, u":/artwork/sospeso.svg"_s},
        {u"cmdDaEffettuare"_s, u"Da effettuare"_s,
         u"Visualizza il riepilogo dei pagamenti da effettuare, sia scaduti che non."_s,
         u":/artwork/pagamento.svg"_s},
        {u"cmdEffettuate"_s, u"Effettuati"_s, u"Visualizza il riepilogo storico dei pagamenti effettuati."_s,
         u":/artwork/effettuati.svg"_s},
        CardCommands::guida(u"Visualizza la pagina della guida sensibile al contesto."_s),
        CardCommands::esci(u"Esci da questa schermata di lavoro."_s),
    };
}
// clang-format on

} // namespace

namespace ScheduleCard {

DateTimeBlock dateTime()
{
    return {u"txtGiorno"_s, u"txtMese"_s,      u"lblAnno"_s, u"lblData"_s,
            u"txtOreApp"_s, u"txtMinutiApp"_s, u"lblOra"_s};
}

DateTimeBlock::Warnings dateTimeWarnings()
{
    return {
        kPrefix + u"il giorno della scadenza."_s,
        kPrefix + u"il giorno della scadenza usando due cifre."_s,
        kPrefix + u"il mese della scadenza."_s,
        kPrefix + u"l'ora dell'appuntamento."_s,
        kPrefix + u"i minuti dell'ora dell'appuntamento."_s,
        kPrefix + u"l'ora dell'appuntamento usando due cifre."_s,
        kPrefix + u"i minuti dell'ora dell'appuntamento usando due cifre."_s,
    };
}

QList<CardCheck> detailChecks()
{
    return {
        CardCheck::required(u"txtAvviso"_s, kPrefix + u"i giorni di preavviso."_s),
        CardCheck::required(u"txtPagatore"_s, kPrefix + u"il nome del cliente."_s),
        CardCheck::required(u"txtCodFisc"_s, kPrefix + u"il codice fiscale del cliente."_s),
        CardCheck::required(u"txtDettagli"_s, kPrefix + u"la causale della scadenza."_s),
    };
}

void zeroEmptyAmount(FormTexts& form)
{
    if (form.text(u"txtCosto"_s).trimmed().isEmpty())
        form.setText(u"txtCosto"_s, u"0,00"_s);
}

CardDefinition definition()
{
    CardDefinition card;
    card.window = u"TfrmScadenzario"_s;
    card.caption = u" Telvara 3.0 - Scadenzario e Appuntamenti"_s;
    card.panel = u"panContainer"_s;
    card.layout = &layout;
    card.file = CardFile::fromLabel(u"lblFile"_s);
    card.fields = fields();
    card.sections = sections();
    card.buttons = buttons();
    card.commands = commands();
    card.enterChain = {
        u"txtGiorno"_s,   u"txtMese"_s,     u"txtOreApp"_s,      u"txtMinutiApp"_s,  u"txtAvviso"_s,
        u"txtPagatore"_s, u"txtCodFisc"_s,  u"txtNumTessera"_s,  u"txtCarica"_s,     u"txtTelCel"_s,
        u"txtRecapito"_s, u"txtAnticipi"_s, u"txtComplessivo"_s, u"txtRateazione"_s, u"txtBeneficiario"_s,
        u"txtDettagli"_s, u"txtOfficina"_s, u"txtCosto"_s,       u"txtContatto"_s,   u"txtNote"_s,
    };
    card.idleText = u"Pronto per archiviare una nuova scheda..."_s;
    card.help = ScheduleHelp::topic();

    const DateTimeBlock block = dateTime();
    card.checks = block.checks(dateTimeWarnings()) + detailChecks();
    card.beforeWrite = [block](CardScreen& screen) {
        zeroEmptyAmount(screen);
        return block.compose(screen);
    };

    card.duplicate = true;
    card.duplicateResets = {{u"txtGiorno"_s, QString()},
                            {u"txtMese"_s, QString()},
                            {u"txtOreApp"_s, u"00"_s},
                            {u"txtMinutiApp"_s, u"00"_s}};
    card.duplicateOpensFile = true;
    card.appendedMessage = u"La scheda corrente è stata salvata in archivio."_s;
    return card;
}

} // namespace ScheduleCard
