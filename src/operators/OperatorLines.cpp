#include "operators/OperatorLines.h"

#include "operators/SchedaOperatore.h"
#include "rules/DateText.h"
#include "screens/FixedColumn.h"

#include <algorithm>
#include <iterator>

using namespace Qt::StringLiterals;
using namespace SchedaOperatore;
using FixedColumn::pad;
using FixedColumn::trimmedBytes;

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

void appendContractLine(const RecordView& card, QByteArray& out)
{
    using FixedColumn::padBytes;
    // The name is joined first and then trimmed as a whole, as the decoded line does.
    char name[128];
    const QByteArrayView surname = trimmedBytes(card.raw(Cognome));
    const QByteArrayView firstName = trimmedBytes(card.raw(Nome));
    char* end = std::copy(surname.begin(), surname.end(), name);
    *end++ = ' ';
    end = std::copy(firstName.begin(), firstName.end(), end);
    padBytes(out, QByteArrayView(name, end - name), 30);
    out.append("  Tel. ");
    padBytes(out, card.raw(Recapito), 12);
    out.append("  Scad. ");
    padBytes(out, card.raw(Scadenza), 10);
    out.append("  Tot. \x80 ");
    padBytes(out, card.raw(Totale), 12);
    out.append("  Rata: \x80 ");
    padBytes(out, card.raw(Rata), 12);
    out.append("  Tipo: ");
    out.append(trimmedBytes(card.raw(Acquisto)));
}

Contract contractOn(const RecordView& card, QDate today)
{
    // Read from the stored bytes without decoding the card: a date and a number are made of ASCII
    // characters, which Windows-1252 stores as themselves, so any other byte fails as it would decoded.
    const QByteArrayView stored = card.raw(Scadenza);
    char16_t deadlineText[16] = {};
    const qsizetype length = std::min<qsizetype>(stored.size(), qsizetype(std::size(deadlineText)));
    for (qsizetype i = 0; i < length; ++i)
        deadlineText[i] = static_cast<unsigned char>(stored[i]);
    const std::optional<QDate> deadline = DateText::parse(QStringView(deadlineText, length));
    bool whole = false;
    const int notice = trimmedBytes(card.raw(Preavviso)).toInt(&whole);
    if (!deadline || !whole)
        return Contract::Unreadable;
    return deadline->addDays(-notice) <= today ? Contract::Due : Contract::NotDue;
}

} // namespace OperatorLines
