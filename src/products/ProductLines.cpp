#include "products/ProductLines.h"

#include "products/SchedaArticolo.h"
#include "screens/FixedColumn.h"
#include "storage/TextField.h"

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
    using namespace FixedColumn;
    // Room for every part at its widest (brand and model before they are cut to their column): a large
    // share of the catalogue may be listed.
    constexpr qsizetype kRoom =
        30 + 2 + layout.width(Marca) + 1 + layout.width(Modello) + 9 + 12 + 12 + 12 + 8 + layout.width(Note);
    appendWritten(out, kRoom, [&product](char* p) {
        p = putPadded(p, product.raw(Codice), 30);
        p = putText(p, "  ");
        // Brand and model joined, then cut or padded to 40 as one column.
        char* const brand = p;
        p = putTrimmed(p, product.raw(Marca));
        *p++ = ' ';
        p = putTrimmed(p, product.raw(Modello));
        if (p - brand < 40)
            std::memset(p, ' ', std::size_t(40 - (p - brand)));
        p = putText(brand + 40, "  Costo: ");
        p = putPadded(p, product.raw(Costo), 12);
        p = putText(p, "  Giacenza: ");
        p = putPadded(p, product.raw(Giacenza), 12);
        p = putText(p, "  Note: ");
        return putTrimmed(p, product.raw(Note));
    });
}

namespace {

const QString kStockCaption = u"  Giacenza: "_s;

// The line up to its stock: what names the article.
QString articlePart(const RecordView& product)
{
    return pad(product.text(Codice), 30) + u"  "_s + pad(product.text(Descrizione), 45) + u"  Prezzo: "_s +
           pad(product.text(Prezzo), 15);
}

} // namespace

QString pickerLine(const RecordView& product)
{
    return articlePart(product) + kStockCaption + product.text(Giacenza);
}

bool isSameArticle(const RecordView& product, QStringView line)
{
    const qsizetype stock = line.lastIndexOf(kStockCaption);
    return stock >= 0 && TextField::trimmed(line.first(stock)) == TextField::trimmed(articlePart(product));
}

} // namespace ProductLines
