#pragma once

#include "screens/CardScreen.h"

#include <QList>
#include <utility>

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
    void btnVenditaClick();
    void btnAppuntamentoClick();
    // Shows the quick entry of that name with the current year and these client fields (card control,
    // entry control).
    void openQuickEntry(const QString& window, const QList<std::pair<QString, QString>>& copies);
    // The client's calls, sales or appointments of the current year.
    template <class HistoryWindow> void showHistory();
};
