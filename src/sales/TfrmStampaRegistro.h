#pragma once

#include "platform/ReportRow.h"
#include "screens/CardPrintWindow.h"

// The window that prints the sale card as it is on screen, saved or not: the "Scheda articolo" page
// with the sale twice, a copy for the client and one for the firm.
class TfrmStampaRegistro : public CardPrintWindow
{
    Q_OBJECT

public:
    // controls: the sale card's control texts by name.
    explicit TfrmStampaRegistro(const ControlTexts& controls, QWidget* parent = nullptr);
};
