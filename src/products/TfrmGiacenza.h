#pragma once

#include "products/ProductStock.h"

#include <QDialog>

class QLabel;
class QLineEdit;

// " Aggiornamento giacenza": adds pieces to, or takes pieces from, the stock shown on the product card.
// It works on the card's text only; the file keeps the old stock until the card is saved.
class TfrmGiacenza : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmGiacenza(QWidget* parent = nullptr);

    // The mode ("Quantità da aggiungere:" or "Quantità da sottrarre:") and the card's stock, trimmed.
    void prepare(ProductStock::Direction direction, const QString& stock);
    // The total "Applica e chiudi" hands back to the card, trimmed.
    QString total() const;

    void btnTotaleClick();
    void btnAggiornaClick();

private:
    // "Calcola totale"; false, with the three fields at "0", when a value cannot be read.
    bool computeTotal();

    ProductStock::Direction m_direction = ProductStock::Direction::Add;
    QLineEdit* m_txtGiacenza;
    QLabel* m_lblAggiunta;
    QLineEdit* m_txtAggiunta;
    QLineEdit* m_txtTotale;
};
