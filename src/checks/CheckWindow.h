#pragma once

#include "checks/CheckDefinition.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

// A check window: an instruction, one input and "Controlla", which runs the window's check. A length or
// emptiness warning keeps the window open with the focus back in the input; a verdict is shown and the
// window closes, as it does when the check has nothing to say. It never changes the card it came from.
class CheckWindow : public QDialog
{
    Q_OBJECT

public:
    explicit CheckWindow(CheckDefinition definition, QWidget* parent = nullptr);

    // Puts a card's value into the input. It is shown whole, even beyond what the user may type, so
    // that the check judges the value the card holds and not a cut one.
    void setValue(const QString& value);
    QString value() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void btnControllaClick();

    CheckDefinition m_definition;
    QLineEdit* m_input;
    QPushButton* m_btnControlla;
};
