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
           [](const RecordView& card) { return OperatorContracts::isDue(card, Services::clock().today()); },
           QStringLiteral("istruttori")},
          parent)
{
    setObjectName(QStringLiteral("TfrmDaRinnovare"));
    setWindowTitle(QStringLiteral(" Riepilogo contratti in scadenza o scaduti"));
}
