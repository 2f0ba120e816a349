#include "sales/TfrmRiepMensileReg.h"

#include "sales/SaleSummary.h"

TfrmRiepMensileReg::TfrmRiepMensileReg(RegisterSource source, QWidget* parent)
    : SummaryWindow(SaleSummary::definition(SaleGrid::Period::Month), std::move(source), parent)
{
    setObjectName(QStringLiteral("TfrmRiepMensileReg"));
}
