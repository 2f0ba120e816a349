#include "stats/MonthlyFigures.h"

#include "calls/SchedaChiamata.h"
#include "rules/NumberText.h"
#include "sales/SchedaVendita.h"
#include "storage/RecordFile.h"
#include "storage/TextField.h"

namespace {

// The 0-based month of a record dated in year, or -1. The date is read as a text padded with blanks to
// ten characters: characters 4–5 are the month, 7–10 the year, so a short or odd date simply counts
// nowhere.
int monthOf(QByteArrayView date, QByteArrayView year)
{
    if (year.size() != 4)
        return -1;
    date = TextField::trimmedAscii(date);
    const auto at = [&date](qsizetype i) { return i < date.size() ? date[i] : ' '; };
    for (qsizetype i = 0; i < 4; ++i)
        if (at(6 + i) != year[i])
            return -1;
    const char tens = at(3);
    const char units = at(4);
    if (tens < '0' || tens > '1' || units < '0' || units > '9')
        return -1;
    const int number = (tens - '0') * 10 + (units - '0');
    return number >= 1 && number <= 12 ? number - 1 : -1;
}

} // namespace

namespace MonthlyFigures {

MonthlyTotals income(const RecordFile& sales, const QString& year)
{
    using namespace SchedaVendita;
    const QByteArray wanted = year.trimmed().toLatin1();
    MonthlyTotals figures;
    sales.scan(
        [&](qint64, const RecordView& record) {
            const int month = monthOf(record.raw(DataRit), wanted);
            if (month < 0)
                return;
            double amount = 0;
            if (NumberText::readField(record, Importo, amount))
                figures.totals[std::size_t(month)] += amount;
            else
                ++figures.skipped;
        },
        ScanFields(layout, {DataRit, Importo}));
    return figures;
}

MonthlyTotals calls(const RecordFile& calls, const QString& year)
{
    const QByteArray wanted = year.trimmed().toLatin1();
    MonthlyTotals figures;
    calls.scan(
        [&](qint64, const RecordView& record) {
            const int month = monthOf(record.raw(SchedaChiamata::DataRit), wanted);
            if (month >= 0)
                figures.totals[std::size_t(month)] += 1;
        },
        ScanFields(SchedaChiamata::layout, {SchedaChiamata::DataRit}));
    return figures;
}

} // namespace MonthlyFigures
