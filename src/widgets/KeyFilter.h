#pragma once

#include <QObject>
#include <QString>

class QLineEdit;

// Keeps the characters a numeric field does not hold out of it, however text arrives: a typed key that
// would insert any other character is discarded, and text that comes in any other way (Ctrl+V, the
// context menu's paste, a middle-click paste, a drop, an input method) loses those characters as soon
// as it is in. Editing, moving and Enter (which belongs to the window's Enter chain) pass.
class KeyFilter : public QObject
{
    Q_OBJECT

public:
    // Digits 0 to 9 only: whole numbers, years and codes made of digits.
    static KeyFilter* digitsOnly(QLineEdit* input);
    // Digits and the decimal comma: amounts.
    static KeyFilter* amount(QLineEdit* input);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyFilter(QLineEdit* input, QString accepted);
    bool accepts(const QString& text) const;
    void dropRefused();

    QLineEdit* m_input;
    QString m_accepted;
};
