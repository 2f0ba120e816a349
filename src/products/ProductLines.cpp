#include "products/ProductLines.h"

#include "products/SchedaArticolo.h"
#include "screens/FixedColumn.h"

using namespace Qt::StringLiterals;

namespace ProductLines {

using namespace SchedaArticolo;
using FixedColumn::pad;

// Brand and model are each trimmed and then joined as they are: an empty brand leaves the blank in front.
QString stockLine(const RecordView& product)
{
    return pad(product.text(Codice), 30) + u"  "_s +
           (product.text(Marca) + u' ' + product.text(Modello)).leftJustified(40, u' ', true) +
           u"  Costo: "_s + pad(product.text(Costo), 12) + u"  Giacenza: "_s +
           pad(product.text(Giacenza), 12) + u"  Note: "_s + product.text(Note);
}

void appendStockLine(const RecordView& product, QByteArray& out)
{
    using FixedColumn::padBytes;
    using FixedColumn::trimmedBytes;
    padBytes(out, product.raw(Codice), 30);
    out.append("  ");
    const qsizetype brandAt = out.size();
    out.append(trimmedBytes(product.raw(Marca)));
    out.append(' ');
    out.append(trimmedBytes(product.raw(Modello)));
    out.resize(brandAt + 40, ' ');
    out.append("  Costo: ");
    padBytes(out, product.raw(Costo), 12);
    out.append("  Giacenza: ");
    padBytes(out, product.raw(Giacenza), 12);
    out.append("  Note: ");
    out.append(trimmedBytes(product.raw(Note)));
}

QString pickerLine(const RecordView& product)
{
    return pad(product.text(Codice), 30) + u"  "_s + pad(product.text(Descrizione), 45) + u"  Prezzo: "_s +
           pad(product.text(Prezzo), 15) + u"  Giacenza: "_s + product.text(Giacenza);
}

} // namespace ProductLines
