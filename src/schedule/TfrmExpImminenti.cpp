#include "schedule/TfrmExpImminenti.h"

#include "schedule/ScheduleExports.h"

TfrmExpImminenti::TfrmExpImminenti(QDate today, QWidget* parent)
    : ExportWindow(ScheduleExports::list(ScheduleGrid::List::Imminent, today), parent)
{
    setObjectName(QStringLiteral("TfrmExpImminenti"));
}
