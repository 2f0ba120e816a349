#pragma once

#include "screens/SummaryWindow.h"

// " Riepilogo giornaliero chiamate": the calls of a chosen day of the card's year, exported to
// Chiamate_Giornaliere.xls.
class TfrmRiepGiornalieroTel : public SummaryWindow
{
    Q_OBJECT

public:
    explicit TfrmRiepGiornalieroTel(RegisterSource source, QWidget* parent = nullptr);
};
