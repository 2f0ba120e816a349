#include "schedule/ScheduleSearch.h"

#include "schedule/SchedaScadenza.h"
#include "schedule/ScheduleLines.h"

using namespace Qt::StringLiterals;

namespace ScheduleSearch {

const SearchDefinition& definition()
{
    using namespace SchedaScadenza;
    static const SearchDefinition search{
        layout,
        {
            {u"txtData"_s, u"Data scadenza (gg/mm/aaaa):"_s, u"data"_s, Data},
            {u"txtOra"_s, u"Ora appuntamento (hh:mm):"_s, u"ora"_s, Ora},
            {u"txtPagatore"_s, u"Cognome e nome cliente:"_s, u"cliente"_s, Pagatore},
            {u"txtCodFisc"_s, u"Codice fiscale:"_s, u"cf"_s, CodFisc},
            {u"txtNumTessera"_s, u"Zona di appartenenza:"_s, u"zona"_s, NumTessera},
            {u"txtCarica"_s, u"Questioni in sospeso:"_s, u"questioni"_s, Carica},
            {u"txtAnticipi"_s, u"Operatore telefonico:"_s, u"operatore"_s, Anticipi},
            {u"txtBeneficiario"_s, u"Agente incaricato:"_s, u"agente"_s, Beneficiario},
            {u"txtDettagli"_s, u"Causale scadenza:"_s, u"causale"_s, Dettagli},
            {u"txtNote"_s, u"Note:"_s, u"note"_s, Note},
        },
        ScheduleLines::line,
        u"Il presente elenco contiene "_s,
        u"Riepilogo scadenze e appuntamenti"_s,
    };
    return search;
}

const SearchDefinition& confirmationList(Confirmation which)
{
    const auto make = [](const QString& title) {
        return SearchDefinition{SchedaScadenza::layout, {}, ScheduleLines::line, {}, title};
    };
    static const SearchDefinition toConfirm = make(u"Riepilogo appuntamenti da confermare"_s);
    static const SearchDefinition toPay = make(u"Riepilogo pagamenti da effettuare"_s);
    static const SearchDefinition paid = make(u"Riepilogo pagamenti effettuati"_s);
    switch (which) {
    case Confirmation::ToConfirm:
        return toConfirm;
    case Confirmation::ToPay:
        return toPay;
    case Confirmation::Paid:
        break;
    }
    return paid;
}

bool (*confirmationFilter(Confirmation which))(const RecordView&)
{
    switch (which) {
    case Confirmation::ToConfirm:
        return ScheduleLines::toConfirm;
    case Confirmation::ToPay:
        return ScheduleLines::toPay;
    case Confirmation::Paid:
        break;
    }
    return ScheduleLines::paid;
}

} // namespace ScheduleSearch
