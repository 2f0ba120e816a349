#include "products/ProductPicker.h"

#include "products/ProductLines.h"
#include "products/ProductSearch.h"
#include "products/ProductStock.h"
#include "products/SchedaArticolo.h"
#include "rules/NumberText.h"
#include "storage/RecordFile.h"
#include "storage/StorageError.h"
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
    Record product = file.read(number - 1);
    if (TextField::trimmed(ProductLines::pickerLine(product.view())) != TextField::trimmed(line))
        return {Import::Outcome::LineChanged, product};
    if (!unloadQuantity)
        return {Import::Outcome::Done, product};

    const Record before = product;
    switch (ProductStock::unload(product, *unloadQuantity)) {
    case ProductStock::Unloading::MoreThanStock:
        return {Import::Outcome::MoreThanStock, before};
    case ProductStock::Unloading::Unreadable:
        return {Import::Outcome::Unreadable, before};
    case ProductStock::Unloading::Done:
        break;
    }
    try {
        file.overwrite(number, product);
    } catch (const StorageError&) {
        // A write that failed after reaching the disk (the sync) must not leave the stock reduced.
        try {
            file.overwrite(number, before);
        } catch (const StorageError&) {
        }
        throw;
    }
    return {Import::Outcome::Done, product};
}

} // namespace ProductPicker
