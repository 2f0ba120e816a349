#include "sales/TfrmInserisciReg.h"

#include "sales/SaleCard.h"
#include "sales/SchedaVendita.h"
#include "screens/RegisterCard.h"

using namespace Qt::StringLiterals;

namespace {

QuickEntryDefinition quickSale()
{
    QuickEntryDefinition entry;
    entry.window = u"TfrmInserisciReg"_s;
    entry.caption = u" Registrazione nuova vendita"_s;
    entry.heading = u"Registro vendite"_s;
    entry.instruction = u"Compila i campi e premi Applica e chiudi per registrare la nuova vendita."_s;
    entry.layout = &SchedaVendita::layout;
    entry.extension = QString::fromLatin1(SchedaVendita::kExtension);
    entry.cardFields = SaleCard::fields();
    entry.cardDateTime = RegisterCard::dateTime();
    // clang-format off
    entry.rows = {
        {{u"txtCodice"_s, 2, u"Codice art."_s}, {u"txtTipologia"_s, 3, u"Tipo:"_s}},
        {{u"txtDescrizione"_s, 1, u"Descriz."_s}},
        {{u"txtConsegna"_s, 3, u"Consegna:"_s}, {u"txtImporto"_s, 2}},
        {{u"txtPagamento"_s, 1, u"Mod. pagamento:"_s}},
        {{u"txtCliente"_s, 3, u"Cliente:"_s}, {u"txtCodFisc"_s, 2, u"C.F."_s}},
        {{u"txtZona"_s, 3, u"Zona:"_s}, {u"txtTelCel"_s, 2, u"Cel."_s}},
        {{u"txtRecapito"_s, 3, u"Recapito:"_s}, {u"txtEmail"_s, 2}},
        {{u"txtOperatore"_s, 1, u"Operatore:"_s}},
        {{u"txtNote"_s, 1}},
    };
    // clang-format on
    // From the code Enter moves to the description below it, then back up to the type.
    entry.enterChain = {
        u"txtCodice"_s,    u"txtDescrizione"_s, u"txtTipologia"_s, u"txtConsegna"_s, u"txtImporto"_s,
        u"txtPagamento"_s, u"txtCliente"_s,     u"txtCodFisc"_s,   u"txtZona"_s,     u"txtTelCel"_s,
        u"txtRecapito"_s,  u"txtEmail"_s,       u"txtOperatore"_s, u"txtNote"_s,
    };
    entry.firstFocus = u"txtCodice"_s;

    const QString prefix = u"Attenzione: per salvare la scheda è necessario indicare "_s;
    entry.dateTimeWarnings = {
        prefix + u"il giorno della vendita."_s,
        prefix + u"il giorno della vendita usando due cifre."_s,
        prefix + u"il mese della vendita."_s,
        prefix + u"l'ora della vendita."_s,
        prefix + u"i minuti primi dell'ora della vendita."_s,
        prefix + u"l'ora della vendita usando due cifre."_s,
        prefix + u"i minuti prima dell'ora della vendita usando due cifre."_s,
    };
    entry.checks = SaleCard::detailChecks();
    // A click on "Applica e chiudi" leaves the focus in the amount: it is normalised here as leaving it
    // would.
    entry.beforeWrite = [](QuickEntry& form) {
        CardAmounts::normalise(form.fields(), form);
        return true;
    };
    entry.savedMessage = u"La vendita corrente è stata salvata nel Registro vendite."_s;
    return entry;
}

} // namespace

TfrmInserisciReg::TfrmInserisciReg(QWidget* parent) : QuickEntry(quickSale(), parent) {}
