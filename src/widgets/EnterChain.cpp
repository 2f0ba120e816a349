#include "widgets/EnterChain.h"

#include "widgets/FocusHighlight.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QWidget>

EnterChain* EnterChain::attach(const QList<QWidget*>& inputs, End end)
{
    return new EnterChain(inputs, end);
}

EnterChain* EnterChain::toButton(QWidget* input, QAbstractButton* button)
{
    return new EnterChain({input, button}, End::Stop);
}

EnterChain::EnterChain(const QList<QWidget*>& inputs, End end)
    : QObject(inputs.value(0)), m_inputs(inputs), m_end(end)
{
    for (QWidget* input : inputs) {
        input->installEventFilter(this);
        // A button reached by Enter shows the same mark as an input, even where the style would draw
        // none (no window manager to make the window active).
        if (qobject_cast<QAbstractButton*>(input))
            FocusHighlight::attach(input);
    }
}

bool EnterChain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    // A button without the dialog's default behaviour would ignore Enter.
    if (auto* button = qobject_cast<QAbstractButton*>(watched)) {
        button->click();
        return true;
    }
    const qsizetype at = m_inputs.indexOf(static_cast<QWidget*>(watched));
    if (at + 1 < m_inputs.size())
        m_inputs.at(at + 1)->setFocus(Qt::TabFocusReason);
    else if (m_end == End::BackToFirst)
        m_inputs.first()->setFocus(Qt::TabFocusReason);
    return true;
}
