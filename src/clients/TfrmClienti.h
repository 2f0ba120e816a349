#pragma once

#include "shell/CardScreen.h"

// The client card: the client archive one card at a time, and the operator's hub during a call.
class TfrmClienti : public CardScreen
{
    Q_OBJECT

public:
    explicit TfrmClienti(WindowRegistry& registry);
    ~TfrmClienti() override;

private:
    void btnEmailClick();
    void cmdTrovaClick();
    void cmdRicontattaClick();
    void cmdEsportaClick();
    void cmdStampaClick();
    void cmdAnteprimaClick();
    void cmdPDFClick();
    // The client's calls, sales or appointments of the current year.
    template <class HistoryWindow> void showHistory();
};
