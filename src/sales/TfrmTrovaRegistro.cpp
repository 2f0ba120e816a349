#include "sales/TfrmTrovaRegistro.h"

#include "sales/SaleSearch.h"

namespace {
// One text for every opening of the window in this run.
QString s_findText;
} // namespace

TfrmTrovaRegistro::TfrmTrovaRegistro(std::function<QString()> file, QWidget* parent)
    : SearchWindow(SaleSearch::definition(), {std::move(file), &s_findText}, parent)
{
    setObjectName(QStringLiteral("TfrmTrovaRegistro"));
    setWindowTitle(QStringLiteral(" Trova scheda in Registro vendite"));
}
