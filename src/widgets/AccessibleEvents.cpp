#include "widgets/AccessibleEvents.h"

#include "widgets/LineEditInterface.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>

namespace {

QAccessible::UpdateHandler previous = nullptr;
// The control last announced as focused: a field's selection and cursor are its own news only from then
// on. Taking the focus by Tab selects a field's text before the focus is announced, and leaving it drops
// the selection before the next control's; told, either would be heard as the operator's doing.
QPointer<QObject> announcedFocus;

void handle(QAccessibleEvent* event);

void forward(QAccessibleEvent* event)
{
    if (previous) {
        previous(event);
        return;
    }
    // Without a handler, Qt hands the event to the platform's bridge itself.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(handle);
}

void handle(QAccessibleEvent* event)
{
    AccessibleEvents::filter(event, forward);
}

// The control whose focus a line edit's is: an editable list's own line speaks through the list.
QWidget* focusOwner(QLineEdit* edit)
{
    if (auto* list = qobject_cast<QComboBox*>(edit->parentWidget()); list && list->lineEdit() == edit)
        return list;
    return edit;
}

} // namespace

namespace AccessibleEvents {

void filter(QAccessibleEvent* event, const std::function<void(QAccessibleEvent*)>& pass)
{
    const QAccessible::Event type = event->type();
    if (type == QAccessible::Focus)
        announcedFocus = event->object();
    auto* edit = qobject_cast<QLineEdit*>(event->object());
    if (!edit) {
        pass(event);
        return;
    }
    QWidget* owner = focusOwner(edit);
    if ((type == QAccessible::TextSelectionChanged || type == QAccessible::TextCaretMoved) &&
        (!owner->hasFocus() || announcedFocus != owner))
        return;
    // A field put right as the focus leaves it (a number written out in full) is no deletion by the
    // operator, which a reader still on it would announce as one.
    if ((type == QAccessible::TextInserted || type == QAccessible::TextRemoved ||
         type == QAccessible::TextUpdated) &&
        !owner->hasFocus() && announcedFocus == owner)
        return;
    if (edit->echoMode() == QLineEdit::Normal) {
        pass(event);
        return;
    }
    switch (type) {
    case QAccessible::TextInserted: {
        const auto* inserted = static_cast<const QAccessibleTextInsertEvent*>(event);
        QAccessibleTextInsertEvent masked(edit, inserted->changePosition(),
                                          LineEditInterface::shown(edit, inserted->textInserted()));
        pass(&masked);
        return;
    }
    case QAccessible::TextRemoved: {
        const auto* removed = static_cast<const QAccessibleTextRemoveEvent*>(event);
        QAccessibleTextRemoveEvent masked(edit, removed->changePosition(),
                                          LineEditInterface::shown(edit, removed->textRemoved()));
        pass(&masked);
        return;
    }
    case QAccessible::TextUpdated: {
        const auto* updated = static_cast<const QAccessibleTextUpdateEvent*>(event);
        QAccessibleTextUpdateEvent masked(edit, updated->changePosition(),
                                          LineEditInterface::shown(edit, updated->textRemoved()),
                                          LineEditInterface::shown(edit, updated->textInserted()));
        pass(&masked);
        return;
    }
    case QAccessible::ValueChanged:
        return;
    default:
        pass(event);
    }
}

void install()
{
    static const bool installed = [] {
        previous = QAccessible::installUpdateHandler(handle);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace AccessibleEvents
