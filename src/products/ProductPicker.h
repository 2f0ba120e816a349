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
        LineChanged,   // the record no longer gives the chosen line: nothing written
        MoreThanStock, // the quantity exceeds the record's own stock: nothing written
        Unreadable,    // the quantity, stock or cost is not a number: nothing written
    };
    Outcome outcome;
    Record record;
};

// Reads record number of the catalogue at path again and checks that it still gives line. With a
// quantity, takes it out of that record's stock (value recomputed) and writes the record back in place;
// when the write fails the record's old bytes are put back and StorageError is thrown, so the stock is
// either changed and reported done, or left as it was.
Import import(const QString& path, qint64 number, const QString& line,
              const std::optional<QString>& unloadQuantity);

} // namespace ProductPicker
