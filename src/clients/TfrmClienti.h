#pragma once

#include "screens/CardScreen.h"

#include <QList>
#include <utility>

class QuickEntry;

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
    void cmdCartellaClick();
    void btnChiamataClick();
    void btnAppuntamentoClick();
    // Shows a quick entry with the current year and these client fields (card control, entry control).
    void openQuickEntry(QuickEntry& entry, const QList<std::pair<QString, QString>>& copies);
    // The client's calls, sales or appointments of the current year.
    template <class HistoryWindow> void showHistory();
};
