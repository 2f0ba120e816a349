#include "products/TfrmTrovaMagazzino.h"

#include "platform/ProgramFolder.h"
#include "products/ProductSearch.h"
#include "products/SchedaArticolo.h"

TfrmTrovaMagazzino::TfrmTrovaMagazzino(QWidget* parent)
    : SearchWindow(ProductSearch::definition(),
                   {[] { return ProgramFolder::file(QLatin1StringView(SchedaArticolo::kFileName)); }}, parent)
{
    setObjectName(QStringLiteral("TfrmTrovaMagazzino"));
    setWindowTitle(QStringLiteral(" Trova articoli in magazzino"));
}
