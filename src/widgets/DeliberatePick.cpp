#include "widgets/DeliberatePick.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

DeliberatePick* DeliberatePick::attach(QComboBox* list)
{
    return new DeliberatePick(list);
}

DeliberatePick::DeliberatePick(QComboBox* list) : QObject(list), m_list(list)
{
    list->installEventFilter(this);
    // An editable list's text box gets the wheel first.
    if (QLineEdit* text = list->lineEdit())
        text->installEventFilter(this);
}

bool DeliberatePick::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::Wheel) {
        // Unhandled, the wheel goes on to the panel or scroll area around the list.
        event->ignore();
        return true;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Down:
        return !(key->modifiers() & Qt::AltModifier);
    case Qt::Key_Up:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    case Qt::Key_Home:
    case Qt::Key_End:
        return !m_list->isEditable();
    default:
        return false;
    }
}
