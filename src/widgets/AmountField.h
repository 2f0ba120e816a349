#pragma once

#include <QObject>

class QLineEdit;

// A sum of money in euro: only digits and the comma can be typed, and leaving the field writes its
// text in the amount form with up to four decimals ("12,5" becomes "12,50", empty becomes "0,00").
class AmountField : public QObject
{
    Q_OBJECT

public:
    static AmountField* attach(QLineEdit* input);

    // What leaving the field does, for a Save whose command took no focus.
    void normalise();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit AmountField(QLineEdit* input);

    QLineEdit* m_input;
};
