#include "schedule/TfrmExpGiornaliere.h"

#include "schedule/ScheduleExports.h"

TfrmExpGiornaliere::TfrmExpGiornaliere(QDate date, QWidget* parent)
    : ExportWindow(ScheduleExports::list(ScheduleGrid::List::Day, date), parent)
{
    setObjectName(QStringLiteral("TfrmExpGiornaliere"));
}
