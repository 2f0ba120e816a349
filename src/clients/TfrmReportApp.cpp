#include "clients/TfrmReportApp.h"

TfrmReportApp::TfrmReportApp(QWidget* parent) : ClientHistoryWindow(ClientHistory::Kind::Appointments, parent)
{
    setObjectName(QStringLiteral("TfrmReportApp"));
}
