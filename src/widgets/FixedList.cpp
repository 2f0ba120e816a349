#include "widgets/FixedList.h"

#include "widgets/DeliberatePick.h"
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
    // The text shows the pick; the user never writes it, by keys, paste, middle click, drop or input method
    // (whose commits a read-only text box still takes: they are dropped below).
    list->lineEdit()->setReadOnly(true);
    list->lineEdit()->setAttribute(Qt::WA_InputMethodEnabled, false);
    list->lineEdit()->setAcceptDrops(false);
    list->lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
    // Adding the items picked the first; the list starts empty.
    ListSelection::empty(list);
    DeliberatePick::attach(list);
    list->installEventFilter(this);
    list->lineEdit()->installEventFilter(this);
}

bool FixedList::filterKey(const QKeyEvent* key)
{
    switch (key->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        if (m_keys == Keys::EmptyOnDelete)
            ListSelection::empty(m_list);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
        return m_keys == Keys::PickOnly;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down: // Alt+Down opens the list; the plain arrows are held back by DeliberatePick
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
    if (event->type() == QEvent::InputMethod)
        return true;
    if (watched == m_list && LeavingFocus::isLeaving(event) &&
        m_list->findText(m_list->currentText().trimmed(), Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
        m_list->setEditText(QString());
    return false;
}
