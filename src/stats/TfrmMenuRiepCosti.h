#pragma once

#include "screens/ApplicationWindow.h"

class QComboBox;
class QLabel;
class QLineEdit;

// The profit summary's selection: the year, an optional client and article, and the interval; it
// opens the result window for the year's sales file. Closing it shows the main menu.
class TfrmMenuRiepCosti : public ApplicationWindow
{
    Q_OBJECT

public:
    explicit TfrmMenuRiepCosti(WindowRegistry& registry);
    ~TfrmMenuRiepCosti() override;

    void open() override;
    void btnVisualizzaClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* m_txtAnno;
    QLineEdit* m_txtCliente;
    QLineEdit* m_txtTarga;
    QComboBox* m_txtGiornoInizio;
    QComboBox* m_txtMeseInizio;
    QComboBox* m_txtGiornoFine;
    QComboBox* m_txtMeseFine;
    QLabel* m_lblAnnoInizio;
    QLabel* m_lblAnnoFine;
    QLabel* m_lblDataInizio;
    QLabel* m_lblDataFine;
    QLabel* m_lblFile;
    QLabel* m_lblAttendere;
};
