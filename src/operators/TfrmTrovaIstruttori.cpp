#include "operators/TfrmTrovaIstruttori.h"

#include "operators/OperatorSearch.h"
#include "operators/SchedaOperatore.h"
#include "platform/ProgramFolder.h"

TfrmTrovaIstruttori::TfrmTrovaIstruttori(QWidget* parent)
    : SearchWindow(OperatorSearch::definition(),
                   {[] { return ProgramFolder::file(QLatin1StringView(SchedaOperatore::kFileName)); }},
                   parent)
{
    setObjectName(QStringLiteral("TfrmTrovaIstruttori"));
    setWindowTitle(QStringLiteral(" Trova operatori e agenti in archivio"));
}
