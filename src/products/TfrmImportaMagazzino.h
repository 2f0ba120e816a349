#pragma once

#include "screens/SearchWindow.h"

class QLabel;
class QLineEdit;

// The product picker " Importa articoli da magazzino": the sale card opens it (tag "registro", quantity
// "1"), the user searches the catalogue and selects an article. The selected line is the choice, however
// the selection moved: its record number is kept with its details. An import reads that record again,
// fills the caller with it and, when asked, takes the quantity out of that record's own stock once.
class TfrmImportaMagazzino : public SearchWindow
{
    Q_OBJECT

public:
    explicit TfrmImportaMagazzino(QWidget* parent = nullptr);

    // The quantity the caller proposes in txtQuant ("0" unless set).
    void setQuantity(const QString& quantity);

    void btnNonAggiornareClick();
    void btnAggiornaClick();

private:
    void chooseSelected();
    void clearChoice();
    void importChosen(bool unloadStock);

    QLabel* m_lblCodice;
    QLabel* m_lblDescrizione;
    QLabel* m_lblGiacenza;
    QLabel* m_lblPosizione;
    QLabel* m_lblCosto;
    QLabel* m_lblValore;
    QLineEdit* m_txtQuant;
};
