#include "schedule/TfrmInserisciSca.h"

#include "schedule/SchedaScadenza.h"
#include "schedule/ScheduleCard.h"

using namespace Qt::StringLiterals;
using namespace SchedaScadenza;

namespace {

QuickEntryDefinition quickAppointment()
{
    QuickEntryDefinition entry;
    entry.window = u"TfrmInserisciSca"_s;
    entry.caption = u" Registrazione nuovo appuntamento"_s;
    entry.heading = u"Scadenzario e Appuntamenti"_s;
    entry.instruction = u"Compila i campi e premi Applica e chiudi per registrare il nuovo appuntamento."_s;
    entry.layout = &layout;
    entry.extension = QString::fromLatin1(kExtension);
    entry.cardFields = ScheduleCard::fields();
    entry.cardDateTime = ScheduleCard::dateTime();
    using K = FieldKind;
    const auto no = CardDefault::text(u"No"_s);
    // clang-format off
    entry.ownFields = {
        // control              field         kind           label
        {u"txtAvviso"_s,        Avviso,       K::DigitsOnly, u"Avvisa n."_s, {}, CardDefault::text(u"1"_s)},
        // Never typed here: an appointment entered during a call is neither awaiting confirmation nor paid.
        {u"lblDaConfermare"_s,  DaConfermare, K::Hidden,     {}, {}, no},
        {u"lblEffettuata"_s,    Effettuata,   K::Hidden,     {}, {}, no},
    };
    entry.rows = {
        {{u"txtAvviso"_s, 1}},
        {{u"txtPagatore"_s, 3, u"Cliente:"_s}, {u"txtCodFisc"_s, 2, u"C.F."_s}},
        {{u"txtNumTessera"_s, 3, u"Zona:"_s}, {u"txtTelCel"_s, 2, u"Cel."_s}},
        {{u"txtRecapito"_s, 1, u"Recapito:"_s}},
        {{u"txtAnticipi"_s, 3, u"Operatore:"_s}, {u"txtComplessivo"_s, 2, u"Luogo app."_s}},
        {{u"txtBeneficiario"_s, 1, u"Agente:"_s}},
        {{u"txtDettagli"_s, 1, u"Causale:"_s}},
        {{u"txtNote"_s, 1}},
        {{u"txtCosto"_s, 2}, {u"txtOfficina"_s, 3, u"Mod. pagamento:"_s}},
    };
    // clang-format on
    entry.spokenNames = {{u"txtAvviso"_s, u"Avvisa n. giorni prima della scadenza"_s}};
    entry.firstFocus = u"txtAvviso"_s;

    entry.dateTimeWarnings = ScheduleCard::dateTimeWarnings();
    entry.checks = ScheduleCard::detailChecks();
    entry.beforeWrite = [](QuickEntry& form) {
        ScheduleCard::zeroEmptyAmount(form);
        return true;
    };
    entry.savedMessage = u"L'appuntamento corrente è stato salvato nello scadenzario."_s;
    return entry;
}

} // namespace

TfrmInserisciSca::TfrmInserisciSca(QWidget* parent) : QuickEntry(quickAppointment(), parent) {}
