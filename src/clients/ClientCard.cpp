#include "clients/ClientCard.h"

#include "clients/ClientHelp.h"
#include "clients/SchedaCliente.h"

using namespace Qt::StringLiterals;
using namespace SchedaCliente;

namespace {

// clang-format off
QList<CardField> fields()
{
    using K = FieldKind;
    return {
        // control              field         kind                    label
        {u"txtCliente"_s,       Cliente,      K::Text,               u"Cognome e nome:"_s},
        {u"txtDataNasc"_s,      DataNasc,     K::Text,               u"Data di nascita:"_s},
        {u"txtComuneNasc"_s,    ComuneNasc,   K::Text,               u"Comune di nascita:"_s},
        {u"txtProvNasc"_s,      ProvNasc,     K::Province,           u"Prov."_s, {}, {}, 0, u"Prov. di nascita"_s},
        {u"txtSesso"_s,         Sesso,        K::UpperCase,          u"Sesso:"_s},
        {u"txtRecapito"_s,      Recapito,     K::Text,               u"Recapito preferenziale:"_s},
        {u"txtIndirizzoRes"_s,  IndirizzoRes, K::Text,               u"Residente in Via / Piazza e numero civico:"_s},
        {u"txtProvRes"_s,       ProvRes,      K::Province,           u"Prov."_s, {}, {}, 0, u"Prov. di residenza"_s},
        {u"txtComuneRes"_s,     ComuneRes,    K::Text,               u"Comune di residenza:"_s},
        {u"txtCapRes"_s,        CapRes,       K::UpperCase,          u"CAP:"_s},
        {u"txtEstremi"_s,       Estremi,      K::Text,               u"Modalità di pagamento:"_s},
        {u"txtTelCasa"_s,       TelCasa,      K::Text,               u"Tel. casa:"_s},
        {u"txtTelUff"_s,        TelUff,       K::Text,               u"Tel. ufficio:"_s},
        {u"txtTelCel"_s,        TelCel,       K::Text,               u"Tel. cellulare:"_s},
        {u"txtFax"_s,           Fax,          K::Text,               u"Fax:"_s},
        {u"txtEmail"_s,         Email,        K::Trimmed,            u"E-mail:"_s},
        {u"txtCodFisc"_s,       CodFisc,      K::Code,               u"Codice fiscale:"_s},
        {u"txtCarta"_s,         Carta,        K::DigitsOnly,         u"Carta di credito n."_s},
        {u"txtScadeCarta"_s,    ScadeCarta,   K::Text,               u"Scadenza:"_s},
        {u"txtPartitaIva"_s,    PartitaIva,   K::DigitsOnly,         u"Partita IVA:"_s},
        {u"txtIban"_s,          Iban,         K::Code,               u"IBAN:"_s},
        {u"txtDocumento"_s,     Documento,    K::Text,               u"Estremi documento:"_s},
        {u"txtOccupazione"_s,   Occupazione,  K::Text,               u"Occupazione:"_s},
        {u"txtCivile"_s,        Civile,       K::Text,               u"Stato civile:"_s},
        {u"txtTitoli"_s,        Titoli,       K::Text,               u"Titoli e qualifiche:"_s},
        {u"txtProdotti"_s,      Prodotti,     K::Text,               u"Prodotti o servizi di interesse:"_s},
        {u"txtZona"_s,          Zona,         K::Text,               u"Zona di appartenenza:"_s},
        {u"txtQuestioni"_s,     Questioni,    K::Text,               u"Questioni in sospeso:"_s},
        {u"txtNote"_s,          Note,         K::Text,               u"Note:"_s},
        {u"chkRicontatta"_s,    Ricontatta,   K::Flag,               u"Da ricontattare"_s,
         u"Annota che il cliente è da ricontattare per questioni in sospeso."_s},
        {u"lblFile01"_s,        File01,       K::Hidden},
        {u"lblFile02"_s,        File02,       K::Hidden},
        {u"lblFile03"_s,        File03,       K::Hidden},
        {u"lblDesc01"_s,        Desc01,       K::Hidden},
        {u"lblDesc02"_s,        Desc02,       K::Hidden},
        {u"lblDesc03"_s,        Desc03,       K::Hidden},
    };
}

QList<CardSection> sections()
{
    return {
        {u"fraAnagrafica"_s, u"Dati anagrafici e residenza"_s, u":/artwork/persona.svg"_s,
         {{{u"txtCliente"_s, 5}, {u"txtDataNasc"_s, 2}, {u"txtComuneNasc"_s, 4}, {u"txtProvNasc"_s, 1}},
          {{u"txtSesso"_s, 1}, {u"txtRecapito"_s, 4}, {u"txtIndirizzoRes"_s, 6}, {u"txtProvRes"_s, 1}},
          {{u"txtComuneRes"_s, 4}, {u"txtCapRes"_s, 2}, {u"txtEstremi"_s, 6}}}},
        {u"fraRecapiti"_s, u"Recapiti"_s, u":/artwork/telefono.svg"_s,
         {{{u"txtTelCasa"_s, 4}, {u"txtTelUff"_s, 4}, {u"txtTelCel"_s, 4}},
          {{u"txtFax"_s, 4}, {u"txtEmail"_s, 8, u"btnEmail"_s}}}},
        {u"fraFiscali"_s, u"Dati fiscali e pagamento"_s, u":/artwork/pagamento.svg"_s,
         {{{u"txtCodFisc"_s, 4, u"btnCodFisc"_s}, {u"txtCarta"_s, 5, u"btnCarta"_s}, {u"txtScadeCarta"_s, 3}},
          {{u"txtPartitaIva"_s, 4, u"btnPartitaIva"_s}, {u"txtIban"_s, 8, u"btnIban"_s}}}},
        {u"fraProfilo"_s, u"Profilo"_s, u":/artwork/profilo.svg"_s,
         {{{u"txtDocumento"_s, 5}, {u"txtOccupazione"_s, 4}, {u"txtCivile"_s, 3}},
          {{u"txtTitoli"_s, 4}, {u"txtProdotti"_s, 5}, {u"txtZona"_s, 3}}}},
        {u"fraSospeso"_s, u"Questioni in sospeso e note"_s, u":/artwork/sospeso.svg"_s,
         {{{u"txtQuestioni"_s, 9}, {u"chkRicontatta"_s, 3}},
          {{u"txtNote"_s, 12}}},
         {{u"btnChiamata"_s, u"btnRiepChiamate"_s},
          {u"btnAppuntamento"_s, u"btnRiepAppuntamenti"_s},
          {u"btnVendita"_s, u"btnRiepVendite"_s}}},
    };
}

QList<CardButton> buttons()
{
    return {
        // name                     caption                     hint
        {u"btnEmail"_s,            u"E-mail"_s,                u"Invia una e-mail all'indirizzo indicato."_s, u":/artwork/email.svg"_s, u"Invia e-mail"_s},
        {u"btnCodFisc"_s,          u"Controlla codice fiscale"_s, u"Controlla il codice fiscale."_s, u":/artwork/codice_fiscale.svg"_s},
        {u"btnCarta"_s,            u"Controlla carta"_s,       u"Controlla il numero di carta di credito."_s, u":/artwork/carta.svg"_s},
        {u"btnPartitaIva"_s,       u"Controlla partita IVA"_s, u"Controlla il numero di partita IVA."_s, u":/artwork/partita_iva.svg"_s},
        {u"btnIban"_s,             u"Controlla IBAN"_s,        u"Controlla l'IBAN."_s, u":/artwork/iban.svg"_s},
        {u"btnChiamata"_s,         u"Nuova chiamata"_s,        u"Registra una nuova chiamata fatta al cliente."_s},
        {u"btnRiepChiamate"_s,     u"Riepilogo chiamate"_s,
         u"Visualizza il riepilogo delle chiamate fatte al cliente in un anno solare."_s},
        {u"btnAppuntamento"_s,     u"Nuovo appuntamento"_s,
         u"Registra un nuovo appuntamento preso con il cliente."_s},
        {u"btnRiepAppuntamenti"_s, u"Riepilogo appuntamenti"_s,
         u"Visualizza il riepilogo degli appuntamenti presi con il cliente in un anno solare."_s},
        {u"btnVendita"_s,          u"Nuova vendita"_s,         u"Registra una nuova vendita conclusa con il cliente."_s},
        {u"btnRiepVendite"_s,      u"Riepilogo vendite"_s,
         u"Visualizza il riepilogo delle vendite concluse con il cliente in un anno solare."_s},
    };
}

QList<CardButton> commands()
{
    return {
        CardCommands::nuovo(),
        CardCommands::salva(u"Salva in archivio la scheda corrente."_s),
        {u"cmdCartella"_s, u"Apri cartella"_s, u"Apri la cartella abbinata alla scheda corrente."_s,
         u":/artwork/apri_cartella.svg"_s},
        {u"cmdFile"_s, u"Allega file"_s, u"Allega file alla scheda corrente."_s, u":/artwork/allega.svg"_s},
        CardCommands::trova(),
        {u"cmdAnteprima"_s, u"Anteprima"_s, u"Visualizza l'anteprima di stampa della scheda corrente."_s,
         u":/artwork/anteprima.svg"_s},
        {u"cmdStampa"_s, u"Stampa"_s, u"Stampa la scheda corrente."_s, u":/artwork/stampa.svg"_s},
        {u"cmdPDF"_s, u"Crea PDF"_s, u"Esporta la scheda corrente in formato PDF."_s, u":/artwork/crea_pdf.svg"_s},
        {u"cmdRicontatta"_s, u"Da ricontattare"_s, u"Visualizza il riepilogo dei clienti da ricontattare."_s,
         u":/artwork/ricontatta.svg"_s, u"Riepilogo clienti da ricontattare"_s},
        {u"cmdEsporta"_s, u"Esporta archivio"_s, u"Esporta le schede in archivio in un file di Microsoft Excel."_s,
         u":/artwork/esporta.svg"_s},
        CardCommands::guida(u"Visualizza la pagina della guida riferita all'ambiente di lavoro corrente."_s),
        CardCommands::esci(u"Esci dalla schermata di lavoro corrente."_s),
    };
}
// clang-format on

} // namespace

namespace ClientCard {

CardDefinition definition()
{
    CardDefinition card;
    card.window = u"TfrmClienti"_s;
    card.caption = u" Telvara 3.0 - Anagrafica Clienti"_s;
    card.layout = &layout;
    card.file = CardFile::inProgramFolder(QString::fromLatin1(kFileName));
    card.fields = fields();
    card.sections = sections();
    card.buttons = buttons();
    card.commands = commands();
    card.enterChain = {
        u"txtCliente"_s,  u"txtDataNasc"_s,     u"txtComuneNasc"_s,  u"txtProvNasc"_s,   u"txtSesso"_s,
        u"txtRecapito"_s, u"txtIndirizzoRes"_s, u"txtProvRes"_s,     u"txtComuneRes"_s,  u"txtCapRes"_s,
        u"txtEstremi"_s,  u"txtTelCasa"_s,      u"txtTelUff"_s,      u"txtTelCel"_s,     u"txtFax"_s,
        u"txtEmail"_s,    u"txtCodFisc"_s,      u"txtCarta"_s,       u"txtScadeCarta"_s, u"txtPartitaIva"_s,
        u"txtIban"_s,     u"txtDocumento"_s,    u"txtOccupazione"_s, u"txtCivile"_s,     u"txtTitoli"_s,
        u"txtProdotti"_s, u"txtZona"_s,         u"txtQuestioni"_s,   u"txtNote"_s,
    };
    card.idleText = u"Pronto per archiviare una nuova scheda..."_s;
    card.help = ClientHelp::topic();
    card.checks = {
        CardCheck::required(
            u"txtCliente"_s,
            u"Attenzione: per salvare la scheda è necessario indicare il nome del cliente."_s),
        CardCheck::required(u"txtCodFisc"_s, u"Attenzione: per salvare la scheda è necessario indicare il "
                                             u"codice fiscale del cliente."_s),
    };
    return card;
}

} // namespace ClientCard
