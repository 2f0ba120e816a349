#include "schedule/TfrmExpScadenzario.h"

#include "schedule/ScheduleExports.h"

TfrmExpScadenzario::TfrmExpScadenzario(std::function<QString()> file, QWidget* parent)
    : ExportWindow(ScheduleExports::archive(std::move(file)), parent)
{
    setObjectName(QStringLiteral("TfrmExpScadenzario"));
}
