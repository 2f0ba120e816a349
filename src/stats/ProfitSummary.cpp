#include "stats/ProfitSummary.h"

#include "rules/DateText.h"
#include "rules/NumberText.h"
#include "sales/SchedaVendita.h"
#include "screens/FieldCriteria.h"
#include "screens/FixedColumn.h"
#include "screens/RecordLines.h"
#include "storage/RecordFile.h"

#include <algorithm>
#include <cstring>
#include <string_view>

using namespace Qt::StringLiterals;

namespace {

QString attention(const QString& what)
{
    return u"Attenzione: indicare il "_s + what + u" intervallo selezionandolo dall'elenco a cascata."_s;
}

// A line's labels and columns before the telephone, which ends it.
constexpr qsizetype kBeforeTelephone = 141;
// The longest line: a telephone of the field's full width.
constexpr qsizetype kLongestLine = kBeforeTelephone + SchedaVendita::layout.width(SchedaVendita::Recapito);

// Writes the line of a sale from its stored bytes, in Windows-1252 as the list shows it, and returns
// its end.
char* writeLine(const RecordView& sale, char* out)
{
    using namespace SchedaVendita;
    using namespace FixedColumn;
    [[maybe_unused]] const char* const start = out;
    out = putText(out, "Data: ");
    out = putPadded(out, sale.raw(DataRit), 10);
    out = putText(out, "  Ora: ");
    out = putPadded(out, sale.raw(OraRit), 5);
    out = putText(out, "  Cod. art. ");
    out = putPadded(out, sale.raw(Codice), 20);
    out = putText(out, "  \x80 "); // the euro sign in Windows-1252
    out = putPadded(out, sale.raw(Importo), 12);
    out = putText(out, "  Cliente: ");
    out = putPadded(out, sale.raw(Cliente), 25);
    out = putText(out, "  CF: ");
    out = putPadded(out, sale.raw(CodFisc), 16);
    out = putText(out, "  Tel. ");
    Q_ASSERT(out - start == kBeforeTelephone);
    return putTrimmed(out, sale.raw(Recapito));
}

void encodeLine(const RecordView& sale, QByteArray& line)
{
    FixedColumn::appendWritten(line, kLongestLine, [&sale](char* out) { return writeLine(sale, out); });
}

} // namespace

namespace ProfitSummary {

std::optional<Refusal> check(const QString& year, const QString& startDay, const QString& startMonth,
                             const QString& endDay, const QString& endMonth, Selection& selection)
{
    if (!DateText::isYear(year))
        return Refusal{u"Attenzione: indicare l'anno solare utilizzando quattro cifre."_s, false,
                       u"txtAnno"_s};
    if (startDay.trimmed().isEmpty())
        return Refusal{attention(u"giorno di inizio"_s), false, u"txtGiornoInizio"_s};
    if (startMonth.trimmed().isEmpty())
        return Refusal{attention(u"mese di inizio"_s), false, u"txtMeseInizio"_s};
    if (endDay.trimmed().isEmpty())
        return Refusal{attention(u"giorno di fine"_s), false, u"txtGiornoFine"_s};
    if (endMonth.trimmed().isEmpty())
        return Refusal{attention(u"mese di fine"_s), false, u"txtMeseFine"_s};
    const QString start =
        DateText::composeFromParts(startDay.trimmed(), startMonth.trimmed(), year.trimmed());
    const QString end = DateText::composeFromParts(endDay.trimmed(), endMonth.trimmed(), year.trimmed());
    const std::optional<QDate> from = DateText::parse(start);
    if (!from)
        return Refusal{u"Attenzione: la data "_s + start +
                           u" di inizio intervallo non esiste.\n\r\n\rPer poter visualizzare il riepilogo è "
                           u"necessario indicare una data valida."_s,
                       true, u"txtGiornoInizio"_s};
    const std::optional<QDate> to = DateText::parse(end);
    if (!to)
        return Refusal{u"Attenzione: la data "_s + end +
                           u" di fine intervallo non esiste.\n\r\n\rPer poter visualizzare il riepilogo è "
                           u"necessario indicare una data valida."_s,
                       true, u"txtGiornoFine"_s};
    if (*from > *to)
        return Refusal{
            u"Attenzione: la data di fine intervallo ("_s + end +
                u") non può essere anteriore a quella di inizio intervallo ("_s + start +
                u").\n\r\n\rPer poter visualizzare il riepilogo è necessario indicare un intervallo "
                u"di tempo valido."_s,
            true, QString()};
    selection.start = *from;
    selection.end = *to;
    return std::nullopt;
}

void collect(const RecordFile& sales, const Selection& selection, Result& result)
{
    using namespace SchedaVendita;
    FieldCriteria filters;
    filters.add(CodFisc, selection.codFisc.trimmed());
    filters.add(Codice, selection.article.trimmed());
    const FieldCriteria::Probes wanted = filters.probes(layout);
    // The fields judged, and the telephone's length, which gives the longest line.
    const ScanFields read(layout, filters.fields() + QList<int>{DataRit, Importo, Recapito});
    qsizetype longestTelephone = 0;
    const qint64 first = selection.start.toJulianDay();
    const qint64 last = selection.end.toJulianDay();
    sales.scan(
        [&](qint64 index, const RecordView& sale) {
            if (!wanted.matches(sale.bytes()))
                return;
            const std::optional<qint64> day = DateText::julianDayBytes(sale.raw(DataRit));
            if (!day) {
                ++result.skipped;
                return;
            }
            if (*day < first || *day > last)
                return;
            double amount = 0;
            if (!NumberText::readField(sale, Importo, amount)) {
                ++result.skipped;
                return;
            }
            result.records.append(index);
            result.total += amount;
            // The stored length: what the line's telephone is once trimmed, or a little more.
            longestTelephone = std::max(longestTelephone, sale.raw(Recapito).size());
        },
        read);
    result.longestLine = result.records.isEmpty() ? 0 : kBeforeTelephone + longestTelephone;
}

std::shared_ptr<const ResultLines> lines(const QString& path, const Result& result)
{
    return std::make_shared<RecordLines>(path, SchedaVendita::layout, result.records, encodeLine,
                                         result.longestLine);
}

QString totalText(double total)
{
    return NumberText::normaliseAmount(NumberText::write(total), 4);
}

QString intervalText(const Selection& selection)
{
    return u"Dal   "_s + DateText::compose(selection.start) + u"   al   "_s +
           DateText::compose(selection.end);
}

} // namespace ProfitSummary
