#include "clients/TfrmReportTel.h"

TfrmReportTel::TfrmReportTel(QWidget* parent) : ClientHistoryWindow(ClientHistory::Kind::Calls, parent)
{
    setObjectName(QStringLiteral("TfrmReportTel"));
}
