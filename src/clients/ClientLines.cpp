#include "clients/ClientLines.h"

#include "clients/SchedaCliente.h"
#include "screens/FixedColumn.h"

using namespace Qt::StringLiterals;

namespace ClientLines {

namespace {

QString line(const RecordView& card, int tailField)
{
    using namespace SchedaCliente;
    using FixedColumn::pad;
    return pad(card.text(Cliente), 26) + u"  Tel. "_s + pad(card.text(Recapito), 15) + u"  "_s
        + pad(card.text(Occupazione), 25) + u"  Prod. "_s + pad(card.text(Prodotti), 30) + u"  "_s
        + card.text(tailField);
}

} // namespace

QString searchLine(const RecordView& card)
{
    return line(card, SchedaCliente::Note);
}

QString recontactLine(const RecordView& card)
{
    return line(card, SchedaCliente::Questioni);
}

bool wantsRecontact(const RecordView& card)
{
    return card.raw(SchedaCliente::Ricontatta).trimmed() == QByteArrayView("S\xEC");
}

} // namespace ClientLines
