#pragma once

#include <QObject>

class QLineEdit;

// Replaces an input's text by its upper-case form (trimmed too where asked) each time the user changes
// it, whether by typing, pasting, dropping or through an input method. Texts put in by the program are
// shown as they are.
class UpperCaseField : public QObject
{
    Q_OBJECT

public:
    enum class Trim { No, Yes };

    static UpperCaseField* attach(QLineEdit* input, Trim trim = Trim::No);

private:
    UpperCaseField(QLineEdit* input, Trim trim);
    void apply();

    QLineEdit* m_input;
    Trim m_trim;
};
