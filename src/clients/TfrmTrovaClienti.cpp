#include "clients/TfrmTrovaClienti.h"

#include "clients/ClientSearch.h"
#include "clients/SchedaCliente.h"
#include "platform/ProgramFolder.h"

TfrmTrovaClienti::TfrmTrovaClienti(QWidget* parent)
    : SearchWindow(ClientSearch::definition(),
                   {[] { return ProgramFolder::file(QLatin1StringView(SchedaCliente::kFileName)); }}, parent)
{
    setObjectName(QStringLiteral("TfrmTrovaClienti"));
    setWindowTitle(QStringLiteral(" Trova clienti in archivio"));
}
