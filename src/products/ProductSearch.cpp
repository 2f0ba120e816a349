#include "products/ProductSearch.h"

#include "products/ProductLines.h"
#include "products/SchedaArticolo.h"

using namespace Qt::StringLiterals;

namespace ProductSearch {

QList<SearchDefinition::Criterion> criteria()
{
    using namespace SchedaArticolo;
    // clang-format off
    return {
        {u"txtCodice"_s,       u"Codice articolo:"_s,               u"codice"_s,       Codice},
        {u"txtTipologia"_s,    u"Tipologia:"_s,                     u"tipologia"_s,    Tipologia},
        {u"txtMarca"_s,        u"Marca:"_s,                         u"marca"_s,        Marca},
        {u"txtModello"_s,      u"Modello:"_s,                       u"modello"_s,      Modello},
        {u"txtDescrizione"_s,  u"Descrizione:"_s,                   u"descrizione"_s,  Descrizione},
        {u"txtAccessori"_s,    u"Accessori:"_s,                     u"accessori"_s,    Accessori},
        {u"txtFornitore"_s,    u"Fornitore:"_s,                     u"fornitore"_s,    Fornitore},
        {u"txtDocumento"_s,    u"Estremi documento di acquisto:"_s, u"documento"_s,    Documento},
        {u"txtCollocazione"_s, u"Collocazione in magazzino:"_s,     u"collocazione"_s, Collocazione},
        {u"txtNote"_s,         u"Note:"_s,                          u"note"_s,         Note},
    };
    // clang-format on
}

const SearchDefinition& definition()
{
    static const SearchDefinition search{
        SchedaArticolo::layout,
        criteria(),
        ProductLines::stockLine,
        u"Il presente elenco contiene "_s,
        u"Riepilogo articoli in magazzino"_s,
        // Brand and model may match a large share of the catalogue.
        ProductLines::appendStockLine,
    };
    return search;
}

const SearchDefinition& lowStock()
{
    using namespace SchedaArticolo;
    // A large share of the catalogue may be listed: its lines are built from the stored bytes, and the
    // stock and threshold the rule reads are fetched ahead.
    static const SearchDefinition list{
        layout,
        {},
        ProductLines::stockLine,
        {},
        u"Materiali in esaurimento"_s,
        ProductLines::appendStockLine,
        {layout.offset(Giacenza), layout.offset(Sottoscorta)},
    };
    return list;
}

} // namespace ProductSearch
