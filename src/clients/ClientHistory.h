#pragma once

#include "screens/TextTable.h"

#include <QString>

class RecordFile;
struct RecordLayout;

// The client's history in one year: the sales with their total, the appointments with their total, or
// the calls with their number. A record belongs to the client when its codice fiscale, trimmed, equals
// the one asked for exactly.
namespace ClientHistory {

enum class Kind { Sales, Appointments, Calls };

struct Definition
{
    Kind kind;
    const char* extension;     // of the year file
    const ::RecordLayout& layout;
    QString title;             // the window's title line and caption without its leading blank
    QString totalLabel;        // "TOTALE IMPORTI:" or "TOTALE CHIAMATE:"
    QString emptyTotal;        // "0,00" or "0", shown before "Apri"
    QString noteLine;          // "N.B. ..." under the first panel
    QString printOpening;      // the print title up to the codice fiscale
    QString printTotal;        // "   -   Totale importi: " or "   -   Totale chiamate: "
};

const Definition& definition(Kind kind);

struct Result
{
    TextTable lines{1, TextTable::Cells::AsGiven};
    double sum = 0;
    // False when an amount could not be read: the window then stays on its first panel.
    bool complete = true;
};

// Scans the year file in file order. Throws StorageError; the lines found so far stay in result.
void collect(const RecordFile& file, const Definition& history, const QString& codFisc, Result& result);

// "€ 12,50" for the amounts (the sum with four decimals at most), the number of lines for calls.
QString totalText(const Definition& history, const Result& result);

QString printTitle(const Definition& history, const QString& codFisc, const QString& total);

} // namespace ClientHistory
