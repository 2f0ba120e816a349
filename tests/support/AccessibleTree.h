#pragma once

#include <QAccessible>
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

} // namespace AccessibleTree
