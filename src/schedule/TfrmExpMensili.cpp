#include "schedule/TfrmExpMensili.h"

#include "schedule/ScheduleExports.h"

TfrmExpMensili::TfrmExpMensili(QDate date, QWidget* parent)
    : ExportWindow(ScheduleExports::list(ScheduleGrid::List::Month, date), parent)
{
    setObjectName(QStringLiteral("TfrmExpMensili"));
}
