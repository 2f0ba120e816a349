#include "calls/TfrmInserisciTel.h"

#include "calls/CallCard.h"
#include "calls/SchedaChiamata.h"
#include "screens/RegisterCard.h"

using namespace Qt::StringLiterals;

namespace {

QuickEntryDefinition quickCall()
{
    QuickEntryDefinition entry;
    entry.window = u"TfrmInserisciTel"_s;
    entry.caption = u" Registrazione nuova chiamata"_s;
    entry.heading = u"Registro chiamate"_s;
    entry.instruction = u"Compila i campi e premi Applica e chiudi per registrare la nuova chiamata."_s;
    entry.layout = &SchedaChiamata::layout;
    entry.extension = QString::fromLatin1(SchedaChiamata::kExtension);
    entry.cardFields = CallCard::fields();
    entry.cardDateTime = RegisterCard::dateTime();
    // clang-format off
    entry.rows = {
        {{u"txtOggetto"_s, 1, u"Oggetto:"_s}},
        {{u"txtProdotti"_s, 1, u"Prodotti:"_s}},
        {{u"txtRisposta"_s, 3, u"Risposta:"_s}, {u"txtGrado"_s, 2, u"Interesse:"_s}},
        {{u"txtConclusioni"_s, 3}, {u"txtDurata"_s, 2}},
        {{u"txtCliente"_s, 3, u"Cliente:"_s}, {u"txtCodFisc"_s, 2, u"C.F."_s}},
        {{u"txtZona"_s, 3, u"Zona:"_s}, {u"txtTelCel"_s, 2, u"Cel."_s}},
        {{u"txtRecapito"_s, 3, u"Recapito:"_s}, {u"txtEmail"_s, 2}},
        {{u"txtOperatore"_s, 1, u"Operatore:"_s}},
        {{u"txtNote"_s, 1}},
    };
    // clang-format on
    entry.firstFocus = u"txtOggetto"_s;

    const QString prefix = u"Attenzione: per salvare la scheda è necessario indicare "_s;
    entry.dateTimeWarnings = {
        prefix + u"il giorno della chiamata."_s,
        prefix + u"il giorno della chiamata usando due cifre."_s,
        prefix + u"il mese della chiamata."_s,
        prefix + u"l'ora della chiamata."_s,
        prefix + u"i minuti primi dell'ora della chiamata."_s,
        prefix + u"l'ora della chiamata usando due cifre."_s,
        prefix + u"i minuti prima dell'ora della chiamata usando due cifre."_s,
    };
    // The card's checks; a call entered from the client card also needs its tax code.
    entry.checks = CallCard::detailChecks();
    entry.checks += CardCheck::required(u"txtCodFisc"_s, prefix + u"il codice fiscale del cliente."_s);
    entry.savedMessage = u"La chiamata corrente è stata salvata nel Registro chiamate."_s;
    return entry;
}

} // namespace

TfrmInserisciTel::TfrmInserisciTel(QWidget* parent) : QuickEntry(quickCall(), parent) {}
