#include "widgets/ButtonEnter.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>

void ButtonEnter::install(QCoreApplication* application)
{
    if (application->findChild<ButtonEnter*>(QString(), Qt::FindDirectChildrenOnly))
        return;
    application->installEventFilter(new ButtonEnter(application));
}

bool ButtonEnter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (!button || !(qobject_cast<QPushButton*>(button) || qobject_cast<QToolButton*>(button)))
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
        (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    if (!button->hasFocus() || !button->isEnabled())
        return false;
    // One press per stroke, however long the key is held.
    if (!key->isAutoRepeat())
        button->click();
    return true;
}
