#pragma once

#include <optional>
#include <QString>
#include <QStringView>

// The sums of a product card: the price with VAT, the price without it and the value of the stock.
// Every result is an amount with exactly two decimals ("12,20"); an operand that cannot be read as a
// number gives no result, so the caller decides what to tell. An empty operand counts as zero, as the
// card fills an empty field with "0" or "0,00" before computing.
namespace ProductPrices {

// "Calcola": price + price × rate / 100.
std::optional<QString> withVat(QStringView price, QStringView rate);

// "Scorpora": the price before VAT, price with VAT × 100 / (rate + 100), and the rate rewritten as the
// number that was read ("07" becomes "7").
struct BeforeVat
{
    QString price;
    QString rate;
};
std::optional<BeforeVat> withoutVat(QStringView priceWithVat, QStringView rate);

// "Calcola valore": cost × stock.
std::optional<QString> stockValue(QStringView cost, QStringView stock);

} // namespace ProductPrices
