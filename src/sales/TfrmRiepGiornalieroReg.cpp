#include "sales/TfrmRiepGiornalieroReg.h"

#include "sales/SaleSummary.h"

TfrmRiepGiornalieroReg::TfrmRiepGiornalieroReg(RegisterSource source, QWidget* parent)
    : SummaryWindow(SaleSummary::definition(SaleGrid::Period::Day), std::move(source), parent)
{
    setObjectName(QStringLiteral("TfrmRiepGiornalieroReg"));
}
