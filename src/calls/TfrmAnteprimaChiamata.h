#pragma once

#include "platform/ReportRow.h"
#include "screens/CardPrintWindow.h"

// The window that shows the print preview of the call card as it is on screen, saved or not, on the "Scheda
// chiamata" page.
class TfrmAnteprimaChiamata : public CardPrintWindow
{
    Q_OBJECT

public:
    // controls: the call card's control texts by name.
    explicit TfrmAnteprimaChiamata(const ControlTexts& controls, QWidget* parent = nullptr);
};
