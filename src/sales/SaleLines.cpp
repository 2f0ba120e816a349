#include "sales/SaleLines.h"

#include "sales/SchedaVendita.h"
#include "screens/FixedColumn.h"

using namespace Qt::StringLiterals;

namespace SaleLines {

QString line(const RecordView& sale)
{
    using namespace SchedaVendita;
    using FixedColumn::pad;
    return u"Data: "_s + pad(sale.text(DataRit), 10) + u"  Ora: "_s + pad(sale.text(OraRit), 5) +
           u"  Cod. art. "_s + pad(sale.text(Codice), 22) + u"  Cliente: "_s + pad(sale.text(Cliente), 30) +
           u"  CF: "_s + pad(sale.text(CodFisc), 16) + u"  Tel. "_s + sale.text(Recapito);
}

} // namespace SaleLines
