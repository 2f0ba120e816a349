#pragma once

#include <QObject>

class QLineEdit;

// A count or a percentage: only digits can be typed, and leaving the field writes its text as a whole
// number ("007" becomes "7", empty becomes "0").
class WholeNumberField : public QObject
{
    Q_OBJECT

public:
    static WholeNumberField* attach(QLineEdit* input);

    // What leaving the field does, for a Save whose command took no focus.
    void normalise();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit WholeNumberField(QLineEdit* input);

    QLineEdit* m_input;
};
