#include "operators/OperatorLines.h"

#include "operators/SchedaOperatore.h"
#include "rules/DateText.h"
#include "screens/FixedColumn.h"

using namespace Qt::StringLiterals;
using namespace SchedaOperatore;
using FixedColumn::pad;

namespace OperatorLines {

namespace {

QString name(const RecordView& card)
{
    return card.text(Cognome) + u' ' + card.text(Nome);
}

} // namespace

QString searchLine(const RecordView& card)
{
    return pad(name(card), 28) + u"  C.F. "_s + pad(card.text(CodFisc), 16) + u"  Mans. "_s +
           pad(card.text(Codice), 24) + u"  Tel. "_s + pad(card.text(Recapito), 14) + u"  Note: "_s +
           card.text(Note);
}

QString contractLine(const RecordView& card)
{
    return pad(name(card), 30) + u"  Tel. "_s + pad(card.text(Recapito), 12) + u"  Scad. "_s +
           pad(card.text(Scadenza), 10) + u"  Tot. € "_s + pad(card.text(Totale), 12) + u"  Rata: € "_s +
           pad(card.text(Rata), 12) + u"  Tipo: "_s + card.text(Acquisto);
}

Contract contractOn(const RecordView& card, QDate today)
{
    const std::optional<QDate> deadline = DateText::parse(card.text(Scadenza));
    bool whole = false;
    const int notice = card.text(Preavviso).toInt(&whole);
    if (!deadline || !whole)
        return Contract::Unreadable;
    return deadline->addDays(-notice) <= today ? Contract::Due : Contract::NotDue;
}

} // namespace OperatorLines
