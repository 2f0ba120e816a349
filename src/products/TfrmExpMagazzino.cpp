#include "products/TfrmExpMagazzino.h"

#include "products/ProductExport.h"

TfrmExpMagazzino::TfrmExpMagazzino(QWidget* parent) : ExportWindow(ProductExport::definition(), parent)
{
    setObjectName(QStringLiteral("TfrmExpMagazzino"));
}
