#include "operators/OperatorSearch.h"

#include "operators/OperatorLines.h"
#include "operators/SchedaOperatore.h"

using namespace Qt::StringLiterals;

namespace OperatorSearch {

const SearchDefinition& definition()
{
    using namespace SchedaOperatore;
    // clang-format off
    static const SearchDefinition search{
        layout,
        {
            {u"txtCognome"_s,     u"Cognome:"_s,                      u"cognome"_s,         Cognome},
            {u"txtNome"_s,        u"Nome:"_s,                         u"nome"_s,            Nome},
            {u"txtCodice"_s,      u"Mansione:"_s,                     u"mansione"_s,        Codice},
            {u"txtCategoria"_s,   u"Categoria:"_s,                    u"categoria"_s,       Categoria},
            {u"txtCodFisc"_s,     u"Codice fiscale:"_s,               u"cf"_s,              CodFisc},
            {u"txtIva"_s,         u"Partita IVA:"_s,                  u"piva"_s,            Iva},
            {u"txtFamiliari"_s,   u"Giorni e orari disponibilità:"_s, u"disponibilita"_s,   Familiari},
            {u"txtProdotti"_s,    u"Equipaggiamento assegnato:"_s,    u"equipaggiamento"_s, Prodotti},
            {u"txtAcquisto"_s,    u"Tipo contratto:"_s,               u"contratto"_s,       Acquisto},
            {u"txtNote"_s,        u"Note:"_s,                         u"note"_s,            Note},
        },
        OperatorLines::searchLine,
        u"Il presente riepilogo contiene "_s,
        u"Riepilogo operatori e agenti in archivio"_s,
    };
    // clang-format on
    return search;
}

} // namespace OperatorSearch
