#include "clients/ClientHistory.h"

#include "calls/CallLines.h"
#include "calls/SchedaChiamata.h"
#include "rules/NumberText.h"
#include "sales/SchedaVendita.h"
#include "schedule/SchedaScadenza.h"
#include "schedule/ScheduleLines.h"
#include "screens/FixedColumn.h"
#include "storage/RecordFile.h"
#include "storage/TextField.h"
#include "storage/Windows1252.h"

using namespace Qt::StringLiterals;
using FixedColumn::pad;

namespace ClientHistory {

namespace {

QString saleLine(const RecordView& sale)
{
    using namespace SchedaVendita;
    return u"Data: "_s + pad(sale.text(DataRit), 10) + u"  Ora: "_s + pad(sale.text(OraRit), 5) + u"  Cod. art. "_s
        + pad(sale.text(Codice), 20) + u"  € "_s + pad(sale.text(Importo), 12) + u"  Tipo: "_s
        + pad(sale.text(Tipologia), 25) + u"  "_s + sale.text(Descrizione);
}

struct Source
{
    int codFisc;
    int amount; // -1 for calls
    QString (*line)(const RecordView&);
};

Source source(Kind kind)
{
    switch (kind) {
    case Kind::Sales:
        return {SchedaVendita::CodFisc, SchedaVendita::Importo, saleLine};
    case Kind::Appointments:
        return {SchedaScadenza::CodFisc, SchedaScadenza::Costo, ScheduleLines::line};
    case Kind::Calls:
        break;
    }
    return {SchedaChiamata::CodFisc, -1, CallLines::line};
}

} // namespace

const Definition& definition(Kind kind)
{
    static const Definition sales{
        Kind::Sales, SchedaVendita::kExtension, SchedaVendita::layout,
        u"Riepilogo vendite concluse con il cliente"_s, u"TOTALE IMPORTI:"_s, u"0,00"_s,
        u"N.B. E' possibile visualizzare il riepilogo delle vendite concluse con il cliente durante uno stesso anno solare."_s,
        u"Vendite effettuate al cliente con codice fiscale "_s, u"   -   Totale importi: "_s};
    static const Definition appointments{
        Kind::Appointments, SchedaScadenza::kExtension, SchedaScadenza::layout,
        u"Riepilogo appuntamenti presi con il cliente"_s, u"TOTALE IMPORTI:"_s, u"0,00"_s,
        u"N.B. E' possibile visualizzare il riepilogo degli appuntamenti presi con il cliente durante uno stesso anno solare."_s,
        u"Appuntamenti presi con il cliente con codice fiscale "_s, u"   -   Totale importi: "_s};
    static const Definition calls{
        Kind::Calls, SchedaChiamata::kExtension, SchedaChiamata::layout,
        u"Riepilogo chiamate fatte al cliente"_s, u"TOTALE CHIAMATE:"_s, u"0"_s,
        u"N.B. E' possibile visualizzare il riepilogo delle chiamate fatte al cliente durante uno stesso anno solare."_s,
        u"Chiamate fatte al cliente con codice fiscale "_s, u"   -   Totale chiamate: "_s};
    switch (kind) {
    case Kind::Sales:
        return sales;
    case Kind::Appointments:
        return appointments;
    case Kind::Calls:
        break;
    }
    return calls;
}

void collect(const RecordFile& file, const Definition& history, const QString& codFisc, Result& result)
{
    const Source from = source(history.kind);
    const QByteArray wanted = Windows1252::encode(TextField::trimmed(codFisc));
    file.scan([&](qint64, const RecordView& record) {
        if (record.raw(from.codFisc).trimmed() != wanted)
            return true;
        result.lines.appendRow(std::array{from.line(record)});
        if (from.amount < 0)
            return true;
        const std::optional<double> amount = NumberText::read(record.text(from.amount));
        if (!amount) {
            result.complete = false;
            return false;
        }
        result.sum += *amount;
        return true;
    });
}

QString totalText(const Definition& history, const Result& result)
{
    if (history.kind == Kind::Calls)
        return QString::number(result.lines.rowCount());
    return u"€ "_s + NumberText::normaliseAmount(NumberText::write(result.sum), 4);
}

QString printTitle(const Definition& history, const QString& codFisc, const QString& total)
{
    return history.printOpening + codFisc + history.printTotal + total;
}

} // namespace ClientHistory
