#include "operators/TfrmDaRinnovare.h"

#include "operators/OperatorContracts.h"
#include "operators/SchedaOperatore.h"
#include "platform/Clock.h"
#include "platform/ProgramFolder.h"
#include "platform/Services.h"

TfrmDaRinnovare::TfrmDaRinnovare(QWidget* parent)
    : ListWindow(
          OperatorContracts::definition(),
          {[] { return ProgramFolder::file(QLatin1StringView(SchedaOperatore::kFileName)); },
           {},
           QStringLiteral("istruttori"),
           [](const RecordView& card) { return OperatorContracts::judge(card, Services::clock().today()); }},
          parent)
{
    setObjectName(QStringLiteral("TfrmDaRinnovare"));
    setWindowTitle(QStringLiteral(" Riepilogo contratti in scadenza o scaduti"));
}
