#include "schedule/TfrmInserisciSca.h"

#include "schedule/SchedaScadenza.h"
#include "schedule/ScheduleCard.h"

using namespace Qt::StringLiterals;
using namespace SchedaScadenza;

namespace {

// clang-format off
QList<CardField> fields()
{
    using K = FieldKind;
    const auto no = CardDefault::text(u"No"_s);
    return {
        // control              field         kind                 label
        {u"txtGiorno"_s,        Giorno,       K::Day,              u"Data:"_s},
        {u"txtMese"_s,          Mese,         K::Month},
        {u"lblAnno"_s,          Anno,         K::DigitsOnly},
        {u"lblData"_s,          Data,         K::Hidden},
        {u"txtOreApp"_s,        OreApp,       K::Hour,             u"Ora:"_s, {}, CardDefault::text(u"00"_s)},
        {u"txtMinutiApp"_s,     MinutiApp,    K::Minute,           u":"_s, {}, CardDefault::text(u"00"_s)},
        {u"lblOra"_s,           Ora,          K::Hidden},
        {u"txtAvviso"_s,        Avviso,       K::DigitsOnly,       u"Avvisa n."_s, {}, CardDefault::text(u"1"_s)},
        {u"txtPagatore"_s,      Pagatore,     K::Text,             u"Cliente:"_s},
        {u"txtCodFisc"_s,       CodFisc,      K::UpperCaseTrimmed, u"C.F."_s},
        {u"txtNumTessera"_s,    NumTessera,   K::Text,             u"Zona:"_s},
        {u"txtTelCel"_s,        TelCel,       K::Text,             u"Cel."_s},
        {u"txtRecapito"_s,      Recapito,     K::Text,             u"Recapito:"_s},
        {u"txtAnticipi"_s,      Anticipi,     K::Text,             u"Operatore:"_s},
        {u"txtComplessivo"_s,   Complessivo,  K::Text,             u"Luogo app."_s},
        {u"txtBeneficiario"_s,  Beneficiario, K::Text,             u"Agente:"_s},
        {u"txtDettagli"_s,      Dettagli,     K::Text,             u"Causale:"_s},
        {u"txtNote"_s,          Note,         K::Text,             u"Note:"_s},
        {u"txtCosto"_s,         Costo,        K::Amount,           u"Importo in euro:"_s, {}, CardDefault::text(u"0,00"_s)},
        {u"txtOfficina"_s,      Officina,     K::Text,             u"Mod. pagamento:"_s},
        // Never typed here: an appointment entered during a call is neither awaiting confirmation nor paid.
        {u"lblDaConfermare"_s,  DaConfermare, K::Hidden,           {}, {}, no},
        {u"lblEffettuata"_s,    Effettuata,   K::Hidden,           {}, {}, no},
    };
}

QList<QList<CardCell>> rows()
{
    return {
        {{u"txtGiorno"_s, 2}, {u"txtMese"_s, 4}, {u"lblAnno"_s, 2}, {u"txtOreApp"_s, 2}, {u"txtMinutiApp"_s, 2}},
        {{u"txtAvviso"_s, 1}},
        {{u"txtPagatore"_s, 3}, {u"txtCodFisc"_s, 2}},
        {{u"txtNumTessera"_s, 3}, {u"txtTelCel"_s, 2}},
        {{u"txtRecapito"_s, 1}},
        {{u"txtAnticipi"_s, 3}, {u"txtComplessivo"_s, 2}},
        {{u"txtBeneficiario"_s, 1}},
        {{u"txtDettagli"_s, 1}},
        {{u"txtNote"_s, 1}},
        {{u"txtCosto"_s, 2}, {u"txtOfficina"_s, 3}},
    };
}
// clang-format on

QuickEntryDefinition quickAppointment()
{
    QuickEntryDefinition entry;
    entry.window = u"TfrmInserisciSca"_s;
    entry.caption = u" Registrazione nuovo appuntamento"_s;
    entry.heading = u"Scadenzario e Appuntamenti"_s;
    entry.instruction = u"Compila i campi e premi Applica e chiudi per registrare il nuovo appuntamento."_s;
    entry.layout = &layout;
    entry.yearControl = u"lblAnno"_s;
    entry.extension = QString::fromLatin1(kExtension);
    entry.fields = fields();
    entry.rows = rows();
    entry.spokenNames = {{u"txtMese"_s, u"Mese"_s},
                         {u"lblAnno"_s, u"Anno"_s},
                         {u"txtMinutiApp"_s, u"Minuti"_s},
                         {u"txtAvviso"_s, u"Avvisa n. giorni prima della scadenza"_s}};
    entry.enterChain = {
        u"txtGiorno"_s,   u"txtMese"_s,     u"lblAnno"_s,        u"txtOreApp"_s,       u"txtMinutiApp"_s,
        u"txtAvviso"_s,   u"txtPagatore"_s, u"txtCodFisc"_s,     u"txtNumTessera"_s,   u"txtTelCel"_s,
        u"txtRecapito"_s, u"txtAnticipi"_s, u"txtComplessivo"_s, u"txtBeneficiario"_s, u"txtDettagli"_s,
        u"txtNote"_s,     u"txtCosto"_s,    u"txtOfficina"_s,
    };
    entry.firstFocus = u"txtAvviso"_s;

    const DateTimeBlock block{u"txtGiorno"_s, u"txtMese"_s,      u"lblAnno"_s, u"lblData"_s,
                              u"txtOreApp"_s, u"txtMinutiApp"_s, u"lblOra"_s};
    entry.checks = {block.yearCheck()};
    entry.checks += block.checks(ScheduleCard::dateTimeWarnings());
    entry.checks += ScheduleCard::detailChecks();
    entry.beforeWrite = [block](FormTexts& form) { return ScheduleCard::prepareWrite(form, block); };
    entry.savedMessage = u"L'appuntamento corrente è stato salvato nello scadenzario."_s;
    return entry;
}

} // namespace

TfrmInserisciSca::TfrmInserisciSca(QWidget* parent) : QuickEntry(quickAppointment(), parent) {}
