#pragma once

#include "screens/SummaryWindow.h"

// " Riepilogo annuale chiamate": every call of the card's year, shown at once, exported to
// Chiamate_Annuali.xls.
class TfrmRiepAnnualeTel : public SummaryWindow
{
    Q_OBJECT

public:
    explicit TfrmRiepAnnualeTel(RegisterSource source, QWidget* parent = nullptr);
};
