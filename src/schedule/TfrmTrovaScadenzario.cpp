#include "schedule/TfrmTrovaScadenzario.h"

#include "schedule/ScheduleSearch.h"

TfrmTrovaScadenzario::TfrmTrovaScadenzario(std::function<QString()> file, QWidget* parent)
    : SearchWindow(ScheduleSearch::definition(), {std::move(file), nullptr}, parent)
{
    setObjectName(QStringLiteral("TfrmTrovaScadenzario"));
    setWindowTitle(QStringLiteral(" Trova scadenze e appuntamenti in archivio"));
}
