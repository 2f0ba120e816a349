#pragma once

#include "platform/ReportRow.h"
#include "screens/CardPrintWindow.h"

// The window that prints the call card as it is on screen, saved or not, on the "Scheda chiamata" page.
class TfrmStampaChiamata : public CardPrintWindow
{
    Q_OBJECT

public:
    // controls: the call card's control texts by name.
    explicit TfrmStampaChiamata(const ControlTexts& controls, QWidget* parent = nullptr);
};
