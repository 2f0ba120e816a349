#include "products/ProductPicker.h"

#include "products/ProductLines.h"
#include "products/ProductSearch.h"
#include "products/ProductStock.h"
#include "products/SchedaArticolo.h"
#include "rules/NumberText.h"
#include "storage/RecordFile.h"
#include "storage/TextField.h"

using namespace Qt::StringLiterals;

namespace ProductPicker {

const SearchDefinition& definition()
{
    static const SearchDefinition search{
        SchedaArticolo::layout,
        ProductSearch::criteria(),
        ProductLines::pickerLine,
        u"Il presente elenco contiene "_s,
        u"Riepilogo articoli in magazzino"_s,
    };
    return search;
}

std::optional<qint64> recordOf(const QString& path, const QString& line)
{
    const RecordFile file(path, SchedaArticolo::layout);
    const QList<qint64> found = definition().pick(file, line);
    if (found.isEmpty())
        return std::nullopt;
    return found.last() + 1;
}

QString normaliseQuantity(QStringView text)
{
    if (text.isEmpty())
        return {};
    const std::optional<double> quantity = NumberText::read(text);
    return quantity ? NumberText::write(NumberText::round(*quantity, 4)) : u"0"_s;
}

Import import(const QString& path, qint64 number, const QString& line,
              const std::optional<QString>& unloadQuantity)
{
    RecordFile file(path, SchedaArticolo::layout);
    if (number < 1 || number > file.count())
        return {Import::Outcome::LineChanged, Record(SchedaArticolo::layout)};
    Import done{Import::Outcome::Done, Record(SchedaArticolo::layout)};
    // Read, checked and written under one lock: a station that unloads the same article meanwhile waits,
    // and this unloading starts from the stock it left.
    file.update(number, [&](Record& product) {
        done.record = product;
        if (!ProductLines::isSameArticle(product.view(), line)) {
            done.outcome = Import::Outcome::LineChanged;
            return false;
        }
        if (!unloadQuantity)
            return false;
        switch (ProductStock::unload(product, *unloadQuantity)) {
        case ProductStock::Unloading::MoreThanStock:
            done.outcome = Import::Outcome::MoreThanStock;
            return false;
        case ProductStock::Unloading::Unreadable:
            done.outcome = Import::Outcome::Unreadable;
            return false;
        case ProductStock::Unloading::Done:
            break;
        }
        done.record = product;
        return true;
    });
    return done;
}

} // namespace ProductPicker
