#include "calls/CallSearch.h"

#include "calls/CallLines.h"
#include "calls/SchedaChiamata.h"

namespace CallSearch {

const SearchDefinition& definition()
{
    using namespace SchedaChiamata;
    static const SearchDefinition search{
        layout,
        {
            {QStringLiteral("txtDataRit"), QStringLiteral("Data chiamata (gg/mm/aaaa):"),
             QStringLiteral("data"), DataRit},
            {QStringLiteral("txtMeseRit"), QStringLiteral("Mese chiamata (in lettere):"),
             QStringLiteral("mese"), MeseRit},
            {QStringLiteral("txtOggetto"), QStringLiteral("Oggetto della chiamata:"),
             QStringLiteral("oggetto"), Oggetto},
            {QStringLiteral("txtProdotti"), QStringLiteral("Prodotti e servizi proposti:"),
             QStringLiteral("prodotti"), Prodotti},
            {QStringLiteral("txtRisposta"), QStringLiteral("Risposta del cliente:"),
             QStringLiteral("risposta"), Risposta},
            {QStringLiteral("txtOperatore"), QStringLiteral("Operatore / Agente:"),
             QStringLiteral("operatore"), Operatore},
            {QStringLiteral("txtCliente"), QStringLiteral("Cognome e nome cliente:"),
             QStringLiteral("cliente"), Cliente},
            {QStringLiteral("txtCodFisc"), QStringLiteral("Codice fiscale:"), QStringLiteral("cf"), CodFisc},
            {QStringLiteral("txtZona"), QStringLiteral("Zona di appartenenza:"), QStringLiteral("zona"),
             Zona},
            {QStringLiteral("txtNote"), QStringLiteral("Note:"), QStringLiteral("note"), Note},
        },
        CallLines::line,
        QStringLiteral("Il presente riepilogo contiene "),
        QStringLiteral("Riepilogo chiamate"),
    };
    return search;
}

} // namespace CallSearch
