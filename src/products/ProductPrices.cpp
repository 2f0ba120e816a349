#include "products/ProductPrices.h"

#include "rules/NumberText.h"

namespace ProductPrices {

namespace {

// An empty field holds zero; anything else must read as a number.
std::optional<double> operand(QStringView text)
{
    if (text.trimmed().isEmpty())
        return 0.0;
    return NumberText::read(text);
}

QString amount(double value)
{
    return NumberText::normaliseAmount(NumberText::write(value), 2);
}

} // namespace

std::optional<QString> withVat(QStringView price, QStringView rate)
{
    const std::optional<double> net = operand(price);
    const std::optional<double> percent = operand(rate);
    if (!net || !percent)
        return std::nullopt;
    return amount(*net + *net * *percent / 100);
}

std::optional<BeforeVat> withoutVat(QStringView priceWithVat, QStringView rate)
{
    const std::optional<double> gross = operand(priceWithVat);
    const std::optional<double> percent = operand(rate);
    // A rate of -100 would divide by zero; the rate field takes digits only, but a loaded card may hold it.
    if (!gross || !percent || *percent == -100)
        return std::nullopt;
    return BeforeVat{amount(*gross * 100 / (*percent + 100)), NumberText::write(*percent)};
}

std::optional<QString> stockValue(QStringView cost, QStringView stock)
{
    const std::optional<double> unit = operand(cost);
    const std::optional<double> pieces = operand(stock);
    if (!unit || !pieces)
        return std::nullopt;
    return amount(*unit * *pieces);
}

} // namespace ProductPrices
