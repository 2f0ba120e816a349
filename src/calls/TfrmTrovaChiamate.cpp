#include "calls/TfrmTrovaChiamate.h"

#include "calls/CallSearch.h"

namespace {
// One text for every opening of the window in this run.
QString s_findText;
} // namespace

TfrmTrovaChiamate::TfrmTrovaChiamate(std::function<QString()> file, QWidget* parent)
    : SearchWindow(CallSearch::definition(), {std::move(file), &s_findText}, parent)
{
    setObjectName(QStringLiteral("TfrmTrovaChiamate"));
    setWindowTitle(QStringLiteral(" Trova scheda in Registro chiamate"));
}
