#include "schedule/TfrmDaConfermare.h"

#include "schedule/ScheduleSearch.h"

using ScheduleSearch::Confirmation;

TfrmDaConfermare::TfrmDaConfermare(std::function<QString()> file, QWidget* parent)
    : ListWindow(ScheduleSearch::confirmationList(Confirmation::ToConfirm),
                 {std::move(file), ScheduleSearch::confirmationFilter(Confirmation::ToConfirm),
                  QStringLiteral("Scadenzario")},
                 parent)
{
    setObjectName(QStringLiteral("TfrmDaConfermare"));
    setWindowTitle(QStringLiteral(" Riepilogo appuntamenti da confermare"));
}
