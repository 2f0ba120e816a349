#include "products/ProductSheet.h"

#include "platform/CardSheet.h"

using namespace Qt::StringLiterals;

namespace {

ReportRow row(const QString& caption, const QString& control)
{
    return {caption, {ReportPiece::control(control)}};
}

} // namespace

const QList<ReportRow>& ProductSheet::rows()
{
    // clang-format off
    static const QList<ReportRow> table = {
        row(u"Codice articolo:"_s,           u"txtCodice"_s),
        row(u"Tipologia:"_s,                 u"txtTipologia"_s),
        row(u"Marca:"_s,                     u"txtMarca"_s),
        row(u"Modello:"_s,                   u"txtModello"_s),
        row(u"Descrizione:"_s,               u"txtDescrizione"_s),
        row(u"Accessori:"_s,                 u"txtAccessori"_s),
        row(u"Fornitore:"_s,                 u"txtFornitore"_s),
        row(u"Recapito preferenziale:"_s,    u"txtRecapiti"_s),
        row(u"Data acquisto:"_s,             u"txtData"_s),
        row(u"Documento acquisto:"_s,        u"txtDocumento"_s),
        row(u"Modalità ordine merce:"_s,     u"txtOrdine"_s),
        row(u"Giacenza:"_s,                  u"txtGiacenza"_s),
        row(u"Costo:"_s,                     u"txtCosto"_s),
        row(u"Valore (costo x giacenza):"_s, u"txtValore"_s),
        {u"Preavviso sottoscorta:"_s,
         {ReportPiece::control(u"txtSottoscorta"_s), ReportPiece::literal(u" pezzi rimasti"_s)}},
        row(u"Prezzo:"_s,                    u"txtPrezzo"_s),
        row(u"Aliquota IVA:"_s,              u"txtPercIva"_s),
        row(u"Prezzo con IVA:"_s,            u"txtPrezzo_con_Iva"_s),
        row(u"Collocazione in magazzino:"_s, u"txtCollocazione"_s),
        row(u"Altezza:"_s,                   u"memConsumo"_s),
        row(u"Larghezza:"_s,                 u"memAderenza"_s),
        row(u"Lunghezza:"_s,                 u"memRumore"_s),
        row(u"Scadenza:"_s,                  u"memOnde"_s),
        row(u"Note:"_s,                      u"txtNote"_s),
    };
    // clang-format on
    return table;
}

ReportTemplate ProductSheet::build(const ControlTexts& controls, const QDateTime& when)
{
    CardSheet::Heading heading;
    heading.reportName = u"repArticolo"_s;
    heading.title = u"SCHEDA ARTICOLO"_s;
    heading.document = u"Scheda informativa"_s;
    heading.numberWidth = 2;
    return CardSheet::build(heading, rows(), controls, when);
}
