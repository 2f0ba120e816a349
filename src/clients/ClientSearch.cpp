#include "clients/ClientSearch.h"

#include "clients/ClientLines.h"
#include "clients/SchedaCliente.h"

namespace ClientSearch {

const SearchDefinition& definition()
{
    using namespace SchedaCliente;
    static const SearchDefinition search{
        layout,
        {
            {QStringLiteral("txtCliente"), QStringLiteral("Cognome e nome cliente:"), QStringLiteral("cliente"), Cliente},
            {QStringLiteral("txtComuneRes"), QStringLiteral("Comune di residenza:"), QStringLiteral("comune"), ComuneRes},
            {QStringLiteral("txtPartitaIva"), QStringLiteral("Partita IVA:"), QStringLiteral("piva"), PartitaIva},
            {QStringLiteral("txtCodFisc"), QStringLiteral("Codice fiscale:"), QStringLiteral("cf"), CodFisc},
            {QStringLiteral("txtDocumento"), QStringLiteral("Estremi documento:"), QStringLiteral("documento"), Documento},
            {QStringLiteral("txtOccupazione"), QStringLiteral("Occupazione:"), QStringLiteral("occupazione"), Occupazione},
            {QStringLiteral("txtProdotti"), QStringLiteral("Prodotti e servizi di interesse:"), QStringLiteral("prodotti"), Prodotti},
            {QStringLiteral("txtZona"), QStringLiteral("Zona di appartenenza:"), QStringLiteral("zona"), Zona},
            {QStringLiteral("txtQuestioni"), QStringLiteral("Questioni in sospeso:"), QStringLiteral("questioni"), Questioni},
            {QStringLiteral("txtNote"), QStringLiteral("Note:"), QStringLiteral("note"), Note},
        },
        ClientLines::searchLine,
        QStringLiteral("Il presente riepilogo contiene "),
        QStringLiteral("Riepilogo clienti"),
    };
    return search;
}

} // namespace ClientSearch
