#include "widgets/FixedList.h"

#include "widgets/LeavingFocus.h"
#include "widgets/ListSelection.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

FixedList* FixedList::attach(QComboBox* list, const QStringList& items, Keys keys)
{
    return new FixedList(list, items, keys);
}

FixedList::FixedList(QComboBox* list, const QStringList& items, Keys keys)
    : QObject(list), m_list(list), m_keys(keys)
{
    // Editable, so that the list can show a stored text that is none of its items.
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->addItems(items);
    list->lineEdit()->setAcceptDrops(false);
    list->lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
    ListSelection::clear(list);
    list->installEventFilter(this);
    list->lineEdit()->installEventFilter(this);
}

bool FixedList::filterKey(const QKeyEvent* key)
{
    switch (key->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        if (m_keys == Keys::EmptyOnDelete) {
            m_list->setCurrentIndex(-1);
            m_list->setEditText(QString());
        }
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
        return m_keys == Keys::PickOnly;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_F4:
    case Qt::Key_Escape:
        return false;
    default:
        return !(key->modifiers() & Qt::ControlModifier) || key->matches(QKeySequence::Paste) ||
               key->matches(QKeySequence::Cut) || key->matches(QKeySequence::Undo);
    }
}

bool FixedList::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress)
        return filterKey(static_cast<QKeyEvent*>(event));
    if (watched != m_list)
        return false;
    if (event->type() == QEvent::FocusIn) {
        ListSelection::clear(m_list);
    } else if (LeavingFocus::isLeaving(event)) {
        if (m_list->findText(m_list->currentText().trimmed(), Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
            m_list->setEditText(QString());
    }
    return false;
}
