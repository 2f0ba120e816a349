#include "widgets/EnterChain.h"

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
    for (QWidget* input : inputs)
        if (!qobject_cast<QAbstractButton*>(input))
            input->installEventFilter(this);
}

bool EnterChain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    const qsizetype at = m_inputs.indexOf(static_cast<QWidget*>(watched));
    if (at + 1 < m_inputs.size())
        m_inputs.at(at + 1)->setFocus(Qt::TabFocusReason);
    else if (m_end == End::BackToFirst)
        m_inputs.first()->setFocus(Qt::TabFocusReason);
    return true;
}
