#include "sales/TfrmRiepAnnualeReg.h"

#include "sales/SaleSummary.h"

TfrmRiepAnnualeReg::TfrmRiepAnnualeReg(RegisterSource source, QWidget* parent)
    : SummaryWindow(SaleSummary::definition(SaleGrid::Period::Year), std::move(source), parent)
{
    setObjectName(QStringLiteral("TfrmRiepAnnualeReg"));
}
