#pragma once

#include <QObject>

class QLineEdit;

// Removes the blanks at either end of an input's text each time the user changes it and again when
// the input is left.
class TrimmedField : public QObject
{
    Q_OBJECT

public:
    static TrimmedField* attach(QLineEdit* input);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit TrimmedField(QLineEdit* input);
    void apply();

    QLineEdit* m_input;
};
