#include "products/ProductExport.h"

#include "platform/ProgramFolder.h"
#include "products/ProductHelp.h"
#include "products/SchedaArticolo.h"
#include "storage/RecordFile.h"

using namespace Qt::StringLiterals;

namespace ProductExport {

using namespace SchedaArticolo;

namespace {

GridColumn column(const QString& header, int width, int field)
{
    return {header, width, {field}, header, width};
}

} // namespace

const QList<GridColumn>& columns()
{
    // clang-format off
    static const QList<GridColumn> all = {
        column(u"Codice articolo"_s,            250, Codice),
        column(u"Tipologia"_s,                  250, Tipologia),
        column(u"Marca"_s,                      250, Marca),
        column(u"Modello"_s,                    250, Modello),
        column(u"Descrizione"_s,                400, Descrizione),
        column(u"Accessori"_s,                  400, Accessori),
        column(u"Fornitore"_s,                  250, Fornitore),
        column(u"Recapito preferenziale"_s,     250, Recapiti),
        column(u"Data acquisto"_s,              200, Data),
        column(u"Estremi documento acquisto"_s, 350, Documento),
        column(u"Modalità ordine merce"_s,      350, Ordine),
        column(u"Giacenza"_s,                   200, Giacenza),
        column(u"Costo"_s,                      200, Costo),
        column(u"Valore"_s,                     200, Valore),
        column(u"Prezzo senza IVA"_s,           200, Prezzo),
        column(u"Perc. IVA"_s,                  150, PercIva),
        column(u"Prezzo con IVA"_s,             200, Prezzo_con_Iva),
        column(u"Collocazione in magazzino"_s,  350, Collocazione),
        column(u"Altezza"_s,                    200, Consumo),
        column(u"Larghezza"_s,                  200, Aderenza),
        column(u"Lunghezza"_s,                  200, Rumore),
        column(u"Scadenza"_s,                   200, Onde),
        column(u"Note"_s,                       400, Note),
    };
    // clang-format on
    return all;
}

const GridExport& target()
{
    static const GridExport exported{u"Magazzino"_s, u"Magazzino.xls"_s};
    return exported;
}

ExportDefinition definition()
{
    return {
        u" Esporta archivio prodotti e servizi in Microsoft Excel"_s,
        ProductHelp::exportTopic(),
        columns(),
        target(),
        [](TextTable& rows) {
            const RecordFile file(ProgramFolder::file(QLatin1StringView(kFileName)), layout);
            return RecordGrid::fill(file, columns(), rows);
        },
    };
}

} // namespace ProductExport
