#pragma once

#include <QObject>

class QLineEdit;

// A sum of money in euro: only digits and commas can be typed, and leaving the field writes its text
// in the amount form with up to four decimals ("12,5" becomes "12,50", empty becomes "0,00"). A text
// that still cannot be read as an amount ("1,2,3", pasted or set) is never turned into 0,00: leaving the
// field, or saving, says so and puts the focus back in it.
class AmountField : public QObject
{
    Q_OBJECT

public:
    static AmountField* attach(QLineEdit* input);

    // Whether the text reads as an amount; empty reads as 0,00.
    bool isReadable() const;
    // Says that the text cannot be read and puts the focus in the field.
    void refuse();
    // What leaving the field does to a readable text, for a Save whose command took no focus.
    void normalise();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit AmountField(QLineEdit* input);
    void refuseIfLeftUnreadable();

    QLineEdit* m_input;
};
