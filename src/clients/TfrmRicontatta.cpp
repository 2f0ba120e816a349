#include "clients/TfrmRicontatta.h"

#include "clients/ClientLines.h"
#include "clients/ClientRecontact.h"
#include "clients/SchedaCliente.h"
#include "platform/ProgramFolder.h"

TfrmRicontatta::TfrmRicontatta(QWidget* parent)
    : ListWindow(ClientRecontact::definition(),
                 {[] { return ProgramFolder::file(QLatin1StringView(SchedaCliente::kFileName)); },
                  ClientLines::wantsRecontact, QStringLiteral("clienti")},
                 parent)
{
    setObjectName(QStringLiteral("TfrmRicontatta"));
    setWindowTitle(QStringLiteral(" Riepilogo clienti da ricontattare"));
}
