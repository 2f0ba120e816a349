#pragma once

#include <QValidator>

class QLineEdit;

// The rule an input's text keeps, applied to its whole text whenever it changes, however the text
// arrives: typed, pasted (Ctrl+V, the context menu, a middle click), dropped, committed by an input
// method, set by the program or through the accessibility interface (screen readers, dictation,
// on-screen keyboards). The characters the rule does not hold are taken out first, then the text is cut
// to the field's length, so a pasted "EUR 1.234,56" keeps all its digits. Only what the program shows
// through showAsIs is left as it is.
class FieldRule : public QValidator
{
    Q_OBJECT

public:
    enum class Kind {
        Digits,           // codes, years and counts typed as digits 0 to 9
        Amount,           // digits and the decimal comma
        WholeNumber,      // digits, and the minus sign a computed count may start with
        UpperCase,        // upper case
        UpperCaseTrimmed, // upper case, without blanks at either end
        Trimmed,          // without blanks at either end
        Code,             // upper case, without any blank: codes copied in groups of four (IBAN, tax code)
    };

    // Gives the input the rule; the input's maximum length becomes the rule's, which cuts after filtering.
    static FieldRule* attach(QLineEdit* input, Kind kind);
    // The most characters an input holds, whether or not it has a rule.
    static int maxLength(const QLineEdit* input);
    static void setMaxLength(QLineEdit* input, int length);
    // Shows a text the program holds (a stored card, a computed value) as it is: showing a card never
    // changes what saving it back stores. The rule holds again for the next change.
    static void showAsIs(QLineEdit* input, const QString& text);

    State validate(QString& text, int& cursor) const override;

private:
    FieldRule(QLineEdit* input, Kind kind);
    // The text kept of a text, and where a cursor at position cursor ends up.
    static QString apply(Kind kind, const QString& text, int length, int& cursor);

    Kind m_kind;
    int m_length;
    bool m_asIs = false;
};
