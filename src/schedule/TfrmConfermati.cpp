#include "schedule/TfrmConfermati.h"

#include "schedule/ScheduleSearch.h"

using ScheduleSearch::Confirmation;

TfrmConfermati::TfrmConfermati(std::function<QString()> file, QWidget* parent)
    : ListWindow(ScheduleSearch::confirmationList(Confirmation::ToPay),
                 {std::move(file), ScheduleSearch::confirmationFilter(Confirmation::ToPay),
                  QStringLiteral("Scadenzario")},
                 parent)
{
    setObjectName(QStringLiteral("TfrmConfermati"));
    setWindowTitle(QStringLiteral(" Riepilogo pagamenti da effettuare"));
}
