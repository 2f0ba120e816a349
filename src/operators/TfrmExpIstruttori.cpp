#include "operators/TfrmExpIstruttori.h"

#include "operators/OperatorExport.h"

TfrmExpIstruttori::TfrmExpIstruttori(QWidget* parent) : ExportWindow(OperatorExport::definition(), parent)
{
    setObjectName(QStringLiteral("TfrmExpIstruttori"));
}
