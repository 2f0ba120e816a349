#pragma once

#include "screens/SummaryWindow.h"

// " Riepilogo mensile vendite": the sales of a chosen month of the card's year, exported to
// Vendite_Mensili.xls.
class TfrmRiepMensileReg : public SummaryWindow
{
    Q_OBJECT

public:
    explicit TfrmRiepMensileReg(RegisterSource source, QWidget* parent = nullptr);
};
