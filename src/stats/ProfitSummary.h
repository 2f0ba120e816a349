#pragma once

#include "screens/ResultLines.h"

#include <memory>
#include <optional>
#include <QDate>
#include <QString>

class RecordFile;

// The profit summary: the sales of one year file dated within an interval (both ends included),
// optionally only those whose codice fiscale and/or article code contain the texts given, one line each,
// and the sum of their amounts.
namespace ProfitSummary {

struct Selection
{
    QString codFisc;
    QString article;
    QDate start;
    QDate end;
};

// Why the selection window refuses to show a summary: the message, whether it is a plain box (not a
// warning), and the control that receives the focus (empty: the focus stays).
struct Refusal
{
    QString message;
    bool plain = false;
    QString focus;
};

// The selection window's checks in their order, on the texts of its year, days and months (month
// names); on success the interval they give.
std::optional<Refusal> check(const QString& year, const QString& startDay, const QString& startMonth,
                             const QString& endDay, const QString& endMonth, Selection& selection);

struct Result
{
    // The indexes of the sales listed, in file order: a year lists up to a million, so their lines are
    // built only when shown or printed (lines()).
    QList<qint64> records;
    double total = 0;
    // Selected sales whose date or amount could not be read: left out of both the lines and the total.
    qint64 skipped = 0;
    // Characters of the longest line.
    qsizetype longestLine = 0;
};

void collect(const RecordFile& sales, const Selection& selection, Result& result);

// The lines of the sales listed, read from the year file at path when asked for.
std::shared_ptr<const ResultLines> lines(const QString& path, const Result& result);

// The total as the window shows it: an amount with up to four decimals, "0,00" for none.
QString totalText(double total);
// "Dal   01/03/2024   al   31/03/2024".
QString intervalText(const Selection& selection);

} // namespace ProfitSummary
