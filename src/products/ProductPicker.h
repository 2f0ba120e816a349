#pragma once

#include "screens/SearchDefinition.h"
#include "storage/Record.h"

#include <optional>
#include <QString>
#include <QStringView>

// The product picker's rules: its ten criteria and line, which record a chosen line stands for, and the
// import of that record with or without taking the sold quantity out of its stock.
namespace ProductPicker {

const SearchDefinition& definition();

// The record number of the article a line stands for: among identical lines the last in the file, so
// that one choice is always one record. Nothing when no record gives that line. Throws StorageError.
std::optional<qint64> recordOf(const QString& path, const QString& line);

// The quantity field on leaving: empty stays empty, a number is rounded to four decimals and written as
// number text, anything else becomes "0".
QString normaliseQuantity(QStringView text);

struct Import
{
    enum class Outcome {
        Done,          // record holds the article (its stock already reduced when asked)
        LineChanged,   // the record is no longer the chosen article: nothing written
        MoreThanStock, // the quantity exceeds the record's own stock: nothing written
        Unreadable,    // the quantity, stock or cost is not a number: nothing written
    };
    Outcome outcome;
    Record record;
};

// Reads record number of the catalogue at path again, under the file's lock, and checks that it is still
// the article of line (its stock may have changed since: other stations sell too). With a quantity, takes
// it out of the record's stock as it is now (value recomputed) and writes the record back in place before
// the lock is released. A failed write throws StorageError and leaves the record as it was.
Import import(const QString& path, qint64 number, const QString& line,
              const std::optional<QString>& unloadQuantity);

} // namespace ProductPicker
