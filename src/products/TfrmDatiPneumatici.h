#pragma once

#include <array>
#include <QDialog>

class QLineEdit;

// " Altre informazioni": height, width, length and expiry of the product on the card, which keeps them
// in its hidden labels until it is saved.
class TfrmDatiPneumatici : public QDialog
{
    Q_OBJECT

public:
    // Altezza, Larghezza, Lunghezza, Scadenza: the fields Consumo, Aderenza, Rumore and Onde.
    using Values = std::array<QString, 4>;

    explicit TfrmDatiPneumatici(QWidget* parent = nullptr);

    // Puts the card's values into the fields, trimmed.
    void setValues(const Values& values);
    // The fields' texts, trimmed.
    Values values() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::array<QLineEdit*, 4> m_fields;
};
