#include "schedule/TfrmNonConfermati.h"

#include "schedule/ScheduleSearch.h"

using ScheduleSearch::Confirmation;

TfrmNonConfermati::TfrmNonConfermati(std::function<QString()> file, QWidget* parent)
    : ListWindow(ScheduleSearch::confirmationList(Confirmation::Paid),
                 {std::move(file), ScheduleSearch::confirmationFilter(Confirmation::Paid),
                  QStringLiteral("Scadenzario")},
                 parent)
{
    setObjectName(QStringLiteral("TfrmNonConfermati"));
    setWindowTitle(QStringLiteral(" Riepilogo pagamenti effettuati"));
}
