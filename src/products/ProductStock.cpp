#include "products/ProductStock.h"

#include "products/ProductPrices.h"
#include "products/SchedaArticolo.h"
#include "rules/NumberText.h"
#include "storage/Record.h"

namespace ProductStock {

namespace {

std::optional<double> zeroWhenEmpty(QStringView text)
{
    if (text.trimmed().isEmpty())
        return 0.0;
    return NumberText::read(text);
}

} // namespace

std::optional<QString> total(QStringView stock, QStringView quantity, Direction direction)
{
    const std::optional<double> a = zeroWhenEmpty(stock);
    const std::optional<double> b = zeroWhenEmpty(quantity);
    if (!a || !b)
        return std::nullopt;
    return NumberText::write(direction == Direction::Add ? *a + *b : *a - *b);
}

std::optional<bool> isLow(const RecordView& product)
{
    // Read from the stored bytes: the low-stock list judges every card.
    double stock = 0;
    double threshold = 0;
    if (!NumberText::readField(product, SchedaArticolo::Giacenza, stock) ||
        !NumberText::readField(product, SchedaArticolo::Sottoscorta, threshold))
        return std::nullopt;
    return stock <= threshold;
}

Unloading unload(Record& product, QStringView quantity)
{
    using namespace SchedaArticolo;
    const std::optional<double> taken = zeroWhenEmpty(quantity);
    const std::optional<double> stock = zeroWhenEmpty(product.text(Giacenza));
    if (!taken || !stock)
        return Unloading::Unreadable;
    if (*taken > *stock)
        return Unloading::MoreThanStock;
    const QString remaining = NumberText::write(*stock - *taken);
    const std::optional<QString> value = ProductPrices::stockValue(product.text(Costo), remaining);
    if (!value)
        return Unloading::Unreadable;
    product.setText(Giacenza, remaining);
    product.setText(Valore, *value);
    return Unloading::Done;
}

} // namespace ProductStock
