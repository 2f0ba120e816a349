#pragma once

#include <algorithm>
#include <QAbstractItemView>
#include <QAccessible>
#include <QHash>
#include <QLabel>
#include <QString>
#include <QWidget>

// What a screen reader finds of a window: its accessible interfaces, walked from the window down as the
// accessibility bus offers them.
namespace AccessibleTree {

// The interface of the control reached from the window's interface through its children; null when
// the tree does not lead to it.
inline QAccessibleInterface* find(QWidget* window, const QObject* control)
{
    QList<QAccessibleInterface*> pending{QAccessible::queryAccessibleInterface(window)};
    while (!pending.isEmpty()) {
        QAccessibleInterface* node = pending.takeFirst();
        if (!node)
            continue;
        if (node->object() == control)
            return node;
        for (int i = 0; i < node->childCount(); ++i)
            pending.append(node->child(i));
    }
    return nullptr;
}

// The name the screen reader speaks for the control, or a note that it cannot reach it.
inline QString spokenName(QWidget* window, const QObject* control)
{
    QAccessibleInterface* node = find(window, control);
    return node ? node->text(QAccessible::Name) : QStringLiteral("<not in the accessibility tree>");
}

// What the window's notification says now: the last change it told a screen reader of away from the
// focus (empty: none told yet).
inline QString notification(QWidget* window)
{
    for (QWidget* child : window->findChildren<QWidget*>()) {
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(child);
        if (node && node->role() == QAccessible::Notification)
            return node->text(QAccessible::Name);
    }
    return QString();
}

// A caption as a window writes it beside what it names: a text ending with a colon, or with a colon and
// a unit ("Totale profitti: €").
inline bool isCaption(const QString& text)
{
    const qsizetype colon = text.trimmed().lastIndexOf(u':');
    return colon > 0 && text.trimmed().size() - colon <= 3;
}

// A label that shows a value: one the window names, with no picture, captioning no input, that shows
// figures only (a year, an amount, a date) or stands on the line of a caption written to its left.
inline bool showsValue(const QWidget* window, const QWidget* widget)
{
    const auto* label = qobject_cast<const QLabel*>(widget);
    if (!label || label->objectName().isEmpty() || label->objectName().startsWith(QStringLiteral("cap")) ||
        label->objectName().startsWith(QStringLiteral("qt_")) || !label->pixmap().isNull() || label->buddy())
        return false;
    const QString shown = label->text().trimmed();
    if (isCaption(shown))
        return false;
    if (!shown.isEmpty() && std::none_of(shown.cbegin(), shown.cend(), [](QChar c) { return c.isLetter(); }))
        return true;
    const QRect place(label->mapTo(window, QPoint()), label->size());
    for (const QLabel* other : window->findChildren<QLabel*>()) {
        if (other == label || !other->isVisibleTo(window) || !isCaption(other->text()))
            continue;
        const QRect at(other->mapTo(window, QPoint()), other->size());
        if (at.right() < place.left() && qAbs(at.center().y() - place.center().y()) <= place.height() / 2)
            return true;
    }
    return false;
}

// What a screen reader walking the window would not get right, one line each: a control it reaches by
// the keyboard or can press with no name a person reads (none, or a bare object name), a value label
// spoken without its caption or its value, an input spoken otherwise than its caption says now, and two
// controls it cannot tell apart by name. sameThing names the controls that may share a name because
// they do the same thing. Lists and grids are checked by their own names; their lines are the data.
inline QStringList walkFaults(QWidget* window, const QStringList& sameThing = {})
{
    QStringList faults;
    QHash<QString, QList<QAccessibleInterface*>> byName;
    const auto where = [window](const QObject* object) {
        return window->objectName() + u'/' +
               (object->objectName().isEmpty() ? QString::fromLatin1(object->metaObject()->className())
                                               : object->objectName());
    };
    QList<QAccessibleInterface*> pending{QAccessible::queryAccessibleInterface(window)};
    while (!pending.isEmpty()) {
        QAccessibleInterface* node = pending.takeFirst();
        if (!node || node->state().invisible)
            continue;
        auto* widget = qobject_cast<QWidget*>(node->object());
        if (widget && widget != window && (widget->isWindow() || !widget->isVisibleTo(window)))
            continue;
        // A list's interface on Linux gives its value as its name and names it through its caption's
        // relation, or elsewhere its accessible name: the name the program gives it is what is spoken.
        const QString name =
            (node->role() == QAccessible::ComboBox ? widget->accessibleName() : node->text(QAccessible::Name))
                .trimmed();
        // A control the keyboard reaches or a screen reader can press. A compound control that hands
        // its focus to a part is reached as that part.
        QAccessibleActionInterface* actions = node->actionInterface();
        const bool focusable = widget && widget != window && !widget->focusProxy() &&
                               !node->state().disabled &&
                               (node->state().focusable || (actions && !actions->actionNames().isEmpty()));
        if (focusable) {
            if (name.isEmpty())
                faults << where(widget) + QStringLiteral(": no name");
            else if (name == widget->objectName() || name.startsWith(QStringLiteral("qt_")))
                faults << where(widget) + QStringLiteral(": named only ") + name;
        }
        const bool value = showsValue(window, widget);
        if (value) {
            // Its caption alone while it shows nothing yet.
            const QString shown = static_cast<QLabel*>(widget)->text().trimmed();
            if (shown.isEmpty()
                    ? name.isEmpty()
                    : !name.endsWith(QStringLiteral(": ") + shown) || name.size() <= shown.size() + 2)
                faults << where(widget) + QStringLiteral(": shows \"") + shown +
                              QStringLiteral("\", spoken \"") + name + u'"';
        }
        // An input captioned by a label is spoken first with the words the caption shows now.
        if (auto* caption = qobject_cast<QLabel*>(widget); caption && caption->buddy()) {
            QString said = caption->text().remove(u'&').trimmed();
            if (said.endsWith(u':'))
                said = said.chopped(1).trimmed();
            if (!said.isEmpty() && !caption->buddy()->accessibleName().startsWith(said))
                faults << where(caption->buddy()) + QStringLiteral(": captioned \"") + said +
                              QStringLiteral("\", spoken \"") + caption->buddy()->accessibleName() + u'"';
        }
        if ((focusable || value) && !name.isEmpty())
            byName[name] << node;
        if (qobject_cast<QAbstractItemView*>(widget))
            continue;
        for (int i = 0; i < node->childCount(); ++i)
            pending.append(node->child(i));
    }
    for (auto named = byName.cbegin(); named != byName.cend(); ++named) {
        if (named.value().size() < 2 || sameThing.contains(named.key()))
            continue;
        QStringList places;
        for (QAccessibleInterface* node : named.value())
            places << where(node->object());
        faults << places.join(QStringLiteral(", ")) + QStringLiteral(": all spoken \"") + named.key() + u'"';
    }
    return faults;
}

} // namespace AccessibleTree
