#pragma once

#include <QList>
#include <QObject>

class QAbstractButton;
class QWidget;

// Enter (or the keypad's Enter) in one input of the chain moves the focus to the next one; the last
// leads back to the first when the chain is closed. Enter in an input never reaches the window's buttons;
// Enter on a button the chain leads to presses it, and the button shows the focus highlight.
class EnterChain : public QObject
{
    Q_OBJECT

public:
    enum class End { Stop, BackToFirst };

    // The chain belongs to the first input.
    static EnterChain* attach(const QList<QWidget*>& inputs, End end = End::Stop);
    // Enter in the input moves the focus to the button, where Enter is the button's own and presses it.
    static EnterChain* toButton(QWidget* input, QAbstractButton* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    EnterChain(const QList<QWidget*>& inputs, End end);

    QList<QWidget*> m_inputs;
    End m_end;
};
