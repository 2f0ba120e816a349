#include "schedule/ScheduleLines.h"

#include "schedule/SchedaScadenza.h"
#include "screens/FixedColumn.h"

using namespace Qt::StringLiterals;

namespace ScheduleLines {

QString line(const RecordView& appointment)
{
    using namespace SchedaScadenza;
    using FixedColumn::pad;
    return pad(appointment.text(Dettagli), 35) + u"  Data: "_s + pad(appointment.text(Data), 10) +
           u"  Ora: "_s + pad(appointment.text(Ora), 5) + u"  Cliente: "_s +
           pad(appointment.text(Pagatore), 24) + u"  Agente:  "_s + pad(appointment.text(Beneficiario), 24) +
           u"  € "_s + appointment.text(Costo);
}

bool toConfirm(const RecordView& appointment)
{
    return appointment.text(SchedaScadenza::DaConfermare) == u"Sì";
}

bool toPay(const RecordView& appointment)
{
    return appointment.text(SchedaScadenza::Effettuata) == u"No";
}

bool paid(const RecordView& appointment)
{
    return appointment.text(SchedaScadenza::Effettuata) == u"Sì";
}

} // namespace ScheduleLines
