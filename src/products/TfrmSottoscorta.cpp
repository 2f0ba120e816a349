#include "products/TfrmSottoscorta.h"

#include "platform/ProgramFolder.h"
#include "products/ProductSearch.h"
#include "products/ProductStock.h"
#include "products/SchedaArticolo.h"

TfrmSottoscorta::TfrmSottoscorta(QWidget* parent)
    : ListWindow(ProductSearch::lowStock(),
                 {[] { return ProgramFolder::file(QLatin1StringView(SchedaArticolo::kFileName)); },
                  ProductStock::isLow, QStringLiteral("magazzino")},
                 parent)
{
    setObjectName(QStringLiteral("TfrmSottoscorta"));
    setWindowTitle(QStringLiteral(" Materiali in esaurimento"));
}
