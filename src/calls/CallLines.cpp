#include "calls/CallLines.h"

#include "calls/SchedaChiamata.h"
#include "screens/FixedColumn.h"

using namespace Qt::StringLiterals;

namespace CallLines {

QString line(const RecordView& call)
{
    using namespace SchedaChiamata;
    using FixedColumn::pad;
    return u"Data: "_s + pad(call.text(DataRit), 10) + u"  Ora: "_s + pad(call.text(OraRit), 5) +
           u"  Oggetto: "_s + pad(call.text(Oggetto), 30) + u"  Cliente: "_s + pad(call.text(Cliente), 30) +
           u"  CF: "_s + pad(call.text(CodFisc), 16) + u"  Tel. "_s + call.text(Recapito);
}

} // namespace CallLines
