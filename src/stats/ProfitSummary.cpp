#include "stats/ProfitSummary.h"

#include "rules/DateText.h"
#include "rules/NumberText.h"
#include "sales/SchedaVendita.h"
#include "screens/FixedColumn.h"
#include "storage/RecordFile.h"

using namespace Qt::StringLiterals;

namespace {

QString attention(const QString& what)
{
    return u"Attenzione: indicare il "_s + what + u" intervallo selezionandolo dall'elenco a cascata."_s;
}

QString line(const RecordView& sale)
{
    using namespace SchedaVendita;
    return u"Data: "_s + FixedColumn::pad(sale.text(DataRit), 10) + u"  Ora: "_s +
           FixedColumn::pad(sale.text(OraRit), 5) + u"  Cod. art. "_s +
           FixedColumn::pad(sale.text(Codice), 20) + u"  € "_s + FixedColumn::pad(sale.text(Importo), 12) +
           u"  Cliente: "_s + FixedColumn::pad(sale.text(Cliente), 25) + u"  CF: "_s +
           FixedColumn::pad(sale.text(CodFisc), 16) + u"  Tel. "_s + sale.text(Recapito);
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
    const QString codFisc = selection.codFisc.trimmed();
    const QString article = selection.article.trimmed();
    sales.scan([&](qint64, const RecordView& sale) {
        if (!codFisc.isEmpty() && !sale.text(SchedaVendita::CodFisc).contains(codFisc, Qt::CaseInsensitive))
            return;
        if (!article.isEmpty() && !sale.text(SchedaVendita::Codice).contains(article, Qt::CaseInsensitive))
            return;
        const std::optional<QDate> date = DateText::parse(sale.text(SchedaVendita::DataRit));
        if (!date) {
            ++result.skipped;
            return;
        }
        if (*date < selection.start || *date > selection.end)
            return;
        const std::optional<double> amount = NumberText::read(sale.text(SchedaVendita::Importo));
        if (!amount) {
            ++result.skipped;
            return;
        }
        result.lines.appendRow(std::array{line(sale)});
        result.total += *amount;
    });
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
