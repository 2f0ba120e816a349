#pragma once

#include <QObject>

class QLineEdit;

// Replaces an input's text by its upper-case form (trimmed too where asked) each time the user changes
// it, or each time a key is released. Texts put in by the program are shown as they are.
class UpperCaseField : public QObject
{
    Q_OBJECT

public:
    enum class When { Typing, KeyRelease };
    enum class Trim { No, Yes };

    static UpperCaseField* attach(QLineEdit* input, When when = When::Typing, Trim trim = Trim::No);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    UpperCaseField(QLineEdit* input, When when, Trim trim);
    void apply();

    QLineEdit* m_input;
    Trim m_trim;
};
