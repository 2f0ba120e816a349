#pragma once

#include "platform/ReportRow.h"
#include "screens/CardPrintWindow.h"

// The window that shows the print preview of the sale card as it is on screen, saved or not: the "Scheda
// articolo" page with the sale twice, a copy for the client and one for the firm.
class TfrmAnteprimaRegistro : public CardPrintWindow
{
    Q_OBJECT

public:
    // controls: the sale card's control texts by name.
    explicit TfrmAnteprimaRegistro(const ControlTexts& controls, QWidget* parent = nullptr);
};
