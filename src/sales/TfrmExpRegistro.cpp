#include "sales/TfrmExpRegistro.h"

#include "sales/SaleSummary.h"

TfrmExpRegistro::TfrmExpRegistro(const RegisterSource& source, QWidget* parent)
    : ExportWindow(SaleSummary::registerExport(source), parent)
{
    setObjectName(QStringLiteral("TfrmExpRegistro"));
}
