#pragma once

#include "screens/CardScreen.h"

class QCalendarWidget;
class QLabel;
class QLineEdit;
class QPushButton;

// The schedule: the opening panel panAvvio (the year to open, the banner of imminent deadlines with its
// sound and "OK", the calendar with the deadlines of a day or a month) and, after "Apri", the card
// panel panContainer with the appointments of that year, one card at a time.
class TfrmScadenzario : public CardScreen
{
    Q_OBJECT

public:
    explicit TfrmScadenzario(WindowRegistry& registry);
    ~TfrmScadenzario() override;

    void btnApriClick();
    void btnOKClick();
    void btnGiornoClick();
    void btnMeseClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildOpeningPanel();
    void showOpeningPanel();
    void checkImminent();
    void cmdStampaClick();
    void cmdImportaClick();

    QWidget* m_panAvvio = nullptr;
    QWidget* m_panContainer = nullptr;
    QLineEdit* m_txtAnno = nullptr;
    QPushButton* m_btnOK = nullptr;
    QLabel* m_imgPresenti = nullptr;
    QLabel* m_imgAssenti = nullptr;
    QCalendarWidget* m_calAppuntamenti = nullptr;
};
