#pragma once

#include "clients/ClientHistory.h"
#include "screens/TwoPanelWindow.h"

class QLabel;
class QLineEdit;

// A client's history in one year (sales, appointments or calls): the first panel asks for the codice
// fiscale and the year and "Apri" reads the year file; the second shows the client's lines, the total and
// prints them. There is no way back: another client or year needs a new window.
class ClientHistoryWindow : public TwoPanelWindow
{
    Q_OBJECT

public:
    explicit ClientHistoryWindow(ClientHistory::Kind kind, QWidget* parent = nullptr);

    // The client card's codice fiscale; the year is the current one each time the window is shown.
    void setCodFisc(const QString& codFisc);

    void btnApriClick();

protected:
    void prepareFirstPanel() override;

private:
    const ClientHistory::Definition& m_history;
    QLineEdit* m_txtCodFisc;
    QLineEdit* m_txtAnno;
    QLabel* m_lblTotale;
};
