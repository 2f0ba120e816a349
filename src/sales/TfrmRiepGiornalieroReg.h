#pragma once

#include "screens/SummaryWindow.h"

// " Riepilogo giornaliero vendite": the sales of a chosen day of the card's year, exported to
// Vendite_Giornaliere.xls.
class TfrmRiepGiornalieroReg : public SummaryWindow
{
    Q_OBJECT

public:
    explicit TfrmRiepGiornalieroReg(RegisterSource source, QWidget* parent = nullptr);
};
