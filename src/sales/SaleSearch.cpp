#include "sales/SaleSearch.h"

#include "sales/SaleLines.h"
#include "sales/SchedaVendita.h"

using namespace Qt::StringLiterals;

namespace SaleSearch {

const SearchDefinition& definition()
{
    using namespace SchedaVendita;
    static const SearchDefinition search{
        layout,
        {
            {u"txtDataRit"_s, u"Data vendita (gg/mm/aaaa):"_s, u"data"_s, DataRit},
            {u"txtMeseRit"_s, u"Mese vendita (in lettere):"_s, u"mese"_s, MeseRit},
            {u"txtCodice"_s, u"Codice articolo:"_s, u"codice"_s, Codice},
            {u"txtTipologia"_s, u"Tipologia:"_s, u"tipologia"_s, Tipologia},
            {u"txtDescrizione"_s, u"Descrizione:"_s, u"descrizione"_s, Descrizione},
            {u"txtOperatore"_s, u"Operatore / Agente:"_s, u"operatore"_s, Operatore},
            {u"txtCliente"_s, u"Cognome e nome cliente:"_s, u"cliente"_s, Cliente},
            {u"txtCodFisc"_s, u"Codice fiscale:"_s, u"cf"_s, CodFisc},
            {u"txtZona"_s, u"Zona di appartenenza:"_s, u"zona"_s, Zona},
            {u"txtNote"_s, u"Note:"_s, u"note"_s, Note},
        },
        SaleLines::line,
        u"Il presente riepilogo contiene "_s,
        u"Riepilogo vendite"_s,
    };
    return search;
}

} // namespace SaleSearch
