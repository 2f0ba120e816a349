#pragma once

#include "screens/SummaryWindow.h"

// " Riepilogo annuale vendite": every sale of the card's year, shown at once, exported to
// Vendite_Annuali.xls.
class TfrmRiepAnnualeReg : public SummaryWindow
{
    Q_OBJECT

public:
    explicit TfrmRiepAnnualeReg(RegisterSource source, QWidget* parent = nullptr);
};
