#pragma once

#include <optional>
#include <QString>
#include <QStringView>

class Record;
class RecordView;

// The stock of a product: the stock dialog's total, the low-stock rule and the unloading of pieces sold.
namespace ProductStock {

enum class Direction { Add, Subtract };

// "Calcola totale": the stock plus or minus the quantity, in the shortest number text ("-7", "10");
// empty texts count as zero. Nothing when either cannot be read. The total may go below zero.
std::optional<QString> total(QStringView stock, QStringView quantity, Direction direction);

// A product is running out when its stock is at or below its threshold. Nothing when either field
// cannot be read as a number (an empty field included): a listing skips such a card.
std::optional<bool> isLow(const RecordView& product);

// What taking pieces out of a product's stock came to.
enum class Unloading {
    Done,          // stock and value rewritten in the record
    MoreThanStock, // the quantity exceeds the stock; the record is unchanged
    Unreadable,    // the quantity, stock or cost is not a number; the record is unchanged
};

// Takes quantity pieces (decimals allowed, empty counts as zero) out of the record's stock: Giacenza
// becomes the old stock minus the quantity, Valore the cost times the new stock with two decimals.
// A quantity equal to the stock is taken.
Unloading unload(Record& product, QStringView quantity);

} // namespace ProductStock
