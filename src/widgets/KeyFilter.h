#pragma once

#include "widgets/FieldRule.h"

#include <QObject>
#include <QString>

class QLineEdit;

// Keeps the characters a numeric field does not hold out of it: a typed key that would insert any other
// character is discarded, and the field's rule (FieldRule) takes them out of text that comes in any
// other way. Editing, moving and Enter (which belongs to the window's Enter chain) pass.
class KeyFilter : public QObject
{
    Q_OBJECT

public:
    // Digits 0 to 9 only: codes made of digits, years.
    static KeyFilter* digitsOnly(QLineEdit* input);
    // Digits typed; a count the program computed may keep its minus sign.
    static KeyFilter* wholeNumber(QLineEdit* input);
    // Digits and the decimal comma: amounts. The keypad's decimal key types the comma whatever the
    // keyboard layout sends (a point on most); a second comma reaches the field as it would pasted, so
    // that leaving or saving refuses the text instead of storing another number.
    static KeyFilter* amount(QLineEdit* input);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyFilter(QLineEdit* input, QString accepted, FieldRule::Kind rule);
    bool accepts(const QString& text) const;

    QLineEdit* m_input;
    QString m_accepted;
    bool m_keypadComma;
};
