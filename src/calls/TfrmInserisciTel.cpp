#include "calls/TfrmInserisciTel.h"

#include "calls/SchedaChiamata.h"
#include "screens/DateTimeBlock.h"

using namespace Qt::StringLiterals;
using namespace SchedaChiamata;

namespace {

// clang-format off
QList<CardField> fields()
{
    using K = FieldKind;
    return {
        // control              field         kind                 label
        {u"txtGiorno"_s,        GiornoRit,    K::Day,              u"Data:"_s, {}, CardDefault::currentDay()},
        {u"txtMese"_s,          MeseRit,      K::Month,            {}, {}, CardDefault::currentMonth()},
        {u"lblAnno"_s,          AnnoRit,      K::DigitsOnly},
        {u"lblData"_s,          DataRit,      K::Hidden},
        {u"txtOreApp"_s,        OreRit,       K::Hour,             u"Ora:"_s, {}, CardDefault::currentHour()},
        {u"txtMinutiApp"_s,     MinutiRit,    K::Minute,           u":"_s, {}, CardDefault::currentMinute()},
        {u"lblOra"_s,           OraRit,       K::Hidden},
        {u"txtOggetto"_s,       Oggetto,      K::Text,             u"Oggetto:"_s},
        {u"txtProdotti"_s,      Prodotti,     K::Text,             u"Prodotti:"_s},
        {u"txtRisposta"_s,      Risposta,     K::Text,             u"Risposta:"_s},
        {u"txtGrado"_s,         Grado,        K::Text,             u"Interesse:"_s},
        {u"txtConclusioni"_s,   Conclusioni,  K::Text,             u"Conclusioni:"_s},
        {u"txtDurata"_s,        Durata,       K::Text,             u"Durata:"_s},
        {u"txtCliente"_s,       Cliente,      K::Text,             u"Cliente:"_s},
        {u"txtCodFisc"_s,       CodFisc,      K::UpperCaseTrimmed, u"C.F."_s},
        {u"txtZona"_s,          Zona,         K::Text,             u"Zona:"_s},
        {u"txtRecapito"_s,      Recapito,     K::Text,             u"Recapito:"_s},
        {u"txtTelCel"_s,        TelCel,       K::Text,             u"Cel."_s},
        {u"txtEmail"_s,         Email,        K::Trimmed,          u"E-mail:"_s},
        {u"txtNote"_s,          Note,         K::Text,             u"Note:"_s},
        {u"txtOperatore"_s,     Operatore,    K::Text,             u"Operatore:"_s},
    };
}

QList<QList<CardCell>> rows()
{
    return {
        {{u"txtGiorno"_s, 2}, {u"txtMese"_s, 4}, {u"lblAnno"_s, 2}, {u"txtOreApp"_s, 2}, {u"txtMinutiApp"_s, 2}},
        {{u"txtOggetto"_s, 1}},
        {{u"txtProdotti"_s, 1}},
        {{u"txtRisposta"_s, 3}, {u"txtGrado"_s, 2}},
        {{u"txtConclusioni"_s, 3}, {u"txtDurata"_s, 2}},
        {{u"txtCliente"_s, 3}, {u"txtCodFisc"_s, 2}},
        {{u"txtZona"_s, 3}, {u"txtTelCel"_s, 2}},
        {{u"txtRecapito"_s, 3}, {u"txtEmail"_s, 2}},
        {{u"txtOperatore"_s, 1}},
        {{u"txtNote"_s, 1}},
    };
}
// clang-format on

QuickEntryDefinition quickCall()
{
    QuickEntryDefinition entry;
    entry.window = u"TfrmInserisciTel"_s;
    entry.caption = u" Registrazione nuova chiamata"_s;
    entry.heading = u"Registro chiamate"_s;
    entry.instruction = u"Compila i campi e premi Applica e chiudi per registrare la nuova chiamata."_s;
    entry.layout = &layout;
    entry.yearControl = u"lblAnno"_s;
    entry.extension = QString::fromLatin1(kExtension);
    entry.fields = fields();
    entry.rows = rows();
    entry.spokenNames = {
        {u"txtMese"_s, u"Mese"_s}, {u"lblAnno"_s, u"Anno"_s}, {u"txtMinutiApp"_s, u"Minuti"_s}};
    entry.enterChain = {
        u"txtGiorno"_s,   u"txtMese"_s,     u"lblAnno"_s,      u"txtOreApp"_s, u"txtMinutiApp"_s,
        u"txtOggetto"_s,  u"txtProdotti"_s, u"txtRisposta"_s,  u"txtGrado"_s,  u"txtConclusioni"_s,
        u"txtDurata"_s,   u"txtCliente"_s,  u"txtCodFisc"_s,   u"txtZona"_s,   u"txtTelCel"_s,
        u"txtRecapito"_s, u"txtEmail"_s,    u"txtOperatore"_s, u"txtNote"_s,
    };
    entry.firstFocus = u"txtOggetto"_s;

    const QString prefix = u"Attenzione: per salvare la scheda è necessario indicare "_s;
    const DateTimeBlock block{u"txtGiorno"_s, u"txtMese"_s,      u"lblAnno"_s, u"lblData"_s,
                              u"txtOreApp"_s, u"txtMinutiApp"_s, u"lblOra"_s};
    entry.checks = {block.yearCheck()};
    entry.checks += block.checks({
        prefix + u"il giorno della chiamata."_s,
        prefix + u"il giorno della chiamata usando due cifre."_s,
        prefix + u"il mese della chiamata."_s,
        prefix + u"l'ora della chiamata."_s,
        prefix + u"i minuti primi dell'ora della chiamata."_s,
        prefix + u"l'ora della chiamata usando due cifre."_s,
        prefix + u"i minuti prima dell'ora della chiamata usando due cifre."_s,
    });
    entry.checks += {
        CardCheck::required(u"txtOggetto"_s, prefix + u"l'oggetto della chiamata."_s),
        CardCheck::required(u"txtCliente"_s, prefix + u"cognome e nome del cliente."_s),
        CardCheck::required(u"txtCodFisc"_s, prefix + u"il codice fiscale del cliente."_s),
    };
    entry.beforeWrite = [block](FormTexts& form) { return block.compose(form); };
    entry.savedMessage = u"La chiamata corrente è stata salvata nel Registro chiamate."_s;
    return entry;
}

} // namespace

TfrmInserisciTel::TfrmInserisciTel(QWidget* parent) : QuickEntry(quickCall(), parent) {}
