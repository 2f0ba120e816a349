#include "sales/TfrmInserisciReg.h"

#include "sales/SchedaVendita.h"
#include "screens/DateTimeBlock.h"

using namespace Qt::StringLiterals;
using namespace SchedaVendita;

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
        {u"txtCodice"_s,        Codice,       K::Text,             u"Codice art."_s},
        {u"txtDescrizione"_s,   Descrizione,  K::Text,             u"Descriz."_s},
        {u"txtTipologia"_s,     Tipologia,    K::Text,             u"Tipo:"_s},
        {u"txtConsegna"_s,      Consegna,     K::Text,             u"Consegna:"_s},
        {u"txtImporto"_s,       Importo,      K::Amount,           u"Importo: €"_s, {}, CardDefault::text(u"0,00"_s)},
        {u"txtPagamento"_s,     Pagamento,    K::Text,             u"Mod. pagamento:"_s},
        {u"txtCliente"_s,       Cliente,      K::Text,             u"Cliente:"_s},
        {u"txtCodFisc"_s,       CodFisc,      K::UpperCaseTrimmed, u"C.F."_s},
        {u"txtZona"_s,          Zona,         K::Text,             u"Zona:"_s},
        {u"txtTelCel"_s,        TelCel,       K::Text,             u"Cel."_s},
        {u"txtRecapito"_s,      Recapito,     K::Text,             u"Recapito:"_s},
        {u"txtEmail"_s,         Email,        K::Trimmed,          u"E-mail:"_s},
        {u"txtOperatore"_s,     Operatore,    K::Text,             u"Operatore:"_s},
        {u"txtNote"_s,          Note,         K::Text,             u"Note:"_s},
    };
}

QList<QList<CardCell>> rows()
{
    return {
        {{u"txtGiorno"_s, 2}, {u"txtMese"_s, 4}, {u"lblAnno"_s, 2}, {u"txtOreApp"_s, 2}, {u"txtMinutiApp"_s, 2}},
        {{u"txtCodice"_s, 2}, {u"txtTipologia"_s, 3}},
        {{u"txtDescrizione"_s, 1}},
        {{u"txtConsegna"_s, 3}, {u"txtImporto"_s, 2}},
        {{u"txtPagamento"_s, 1}},
        {{u"txtCliente"_s, 3}, {u"txtCodFisc"_s, 2}},
        {{u"txtZona"_s, 3}, {u"txtTelCel"_s, 2}},
        {{u"txtRecapito"_s, 3}, {u"txtEmail"_s, 2}},
        {{u"txtOperatore"_s, 1}},
        {{u"txtNote"_s, 1}},
    };
}
// clang-format on

QuickEntryDefinition quickSale()
{
    QuickEntryDefinition entry;
    entry.window = u"TfrmInserisciReg"_s;
    entry.caption = u" Registrazione nuova vendita"_s;
    entry.heading = u"Registro vendite"_s;
    entry.instruction = u"Compila i campi e premi Applica e chiudi per registrare la nuova vendita."_s;
    entry.layout = &layout;
    entry.yearControl = u"lblAnno"_s;
    entry.extension = QString::fromLatin1(kExtension);
    entry.fields = fields();
    entry.rows = rows();
    entry.spokenNames = {
        {u"txtMese"_s, u"Mese"_s}, {u"lblAnno"_s, u"Anno"_s}, {u"txtMinutiApp"_s, u"Minuti"_s}};
    entry.enterChain = {
        u"txtGiorno"_s,    u"txtMese"_s,        u"lblAnno"_s,      u"txtOreApp"_s,   u"txtMinutiApp"_s,
        u"txtCodice"_s,    u"txtDescrizione"_s, u"txtTipologia"_s, u"txtConsegna"_s, u"txtImporto"_s,
        u"txtPagamento"_s, u"txtCliente"_s,     u"txtCodFisc"_s,   u"txtZona"_s,     u"txtTelCel"_s,
        u"txtRecapito"_s,  u"txtEmail"_s,       u"txtOperatore"_s, u"txtNote"_s,
    };
    entry.firstFocus = u"txtCodice"_s;

    const QString prefix = u"Attenzione: per salvare la scheda è necessario indicare "_s;
    const DateTimeBlock block{u"txtGiorno"_s, u"txtMese"_s,      u"lblAnno"_s, u"lblData"_s,
                              u"txtOreApp"_s, u"txtMinutiApp"_s, u"lblOra"_s};
    entry.checks = {block.yearCheck()};
    entry.checks += block.checks({
        prefix + u"il giorno della vendita."_s,
        prefix + u"il giorno della vendita usando due cifre."_s,
        prefix + u"il mese della vendita."_s,
        prefix + u"l'ora della vendita."_s,
        prefix + u"i minuti primi dell'ora della vendita."_s,
        prefix + u"l'ora della vendita usando due cifre."_s,
        prefix + u"i minuti prima dell'ora della vendita usando due cifre."_s,
    });
    entry.checks += {
        CardCheck::required(u"txtCodice"_s, prefix + u"il codice dell'articolo venduto."_s),
        CardCheck::required(u"txtTipologia"_s, prefix + u"la tipologia dell'articolo venduto."_s),
        CardCheck::required(u"txtCliente"_s, prefix + u"cognome e nome del cliente."_s),
        CardCheck::required(u"txtCodFisc"_s, prefix + u"il codice fiscale del cliente."_s),
    };
    // A click on "Applica e chiudi" leaves the focus in the amount: it is normalised here as leaving it would.
    entry.beforeWrite = [block, fields = entry.fields](FormTexts& form) {
        CardAmounts::normalise(fields, form);
        return block.compose(form);
    };
    entry.savedMessage = u"La vendita corrente è stata salvata nel Registro vendite."_s;
    return entry;
}

} // namespace

TfrmInserisciReg::TfrmInserisciReg(QWidget* parent) : QuickEntry(quickSale(), parent) {}
