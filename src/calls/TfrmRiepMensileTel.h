#pragma once

#include "screens/SummaryWindow.h"

// " Riepilogo mensile chiamate": the calls of a chosen month of the card's year, exported to
// Chiamate_Mensili.xls.
class TfrmRiepMensileTel : public SummaryWindow
{
    Q_OBJECT

public:
    explicit TfrmRiepMensileTel(RegisterSource source, QWidget* parent = nullptr);
};
