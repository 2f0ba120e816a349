#include "widgets/StatusHints.h"

#include "widgets/Accessibility.h"

#include <QEvent>
#include <QLabel>
#include <QWidget>

StatusHints::StatusHints(QWidget* window) : QObject(window) {}

StatusHints* StatusHints::of(QWidget* window)
{
    auto* hints = window->findChild<StatusHints*>(QString(), Qt::FindDirectChildrenOnly);
    return hints ? hints : new StatusHints(window);
}

void StatusHints::setStatusLine(QWidget* window, QLabel* line)
{
    of(window)->m_line = line;
    Accessibility::statusLine(line);
    clearOver(line);
}

void StatusHints::show(QWidget* control, const QString& hint)
{
    StatusHints* hints = of(control->window());
    hints->m_hints.insert(control, hint);
    control->setAttribute(Qt::WA_Hover);
    control->installEventFilter(hints);
}

void StatusHints::clearOver(QWidget* area)
{
    // Moves over a control that does not track the mouse stop at that control; only the area itself
    // empties the line.
    area->setMouseTracking(true);
    area->installEventFilter(of(area->window()));
}

void StatusHints::setText(const QString& text)
{
    if (m_line)
        m_line->setText(text);
}

bool StatusHints::eventFilter(QObject* watched, QEvent* event)
{
    const auto hint = m_hints.constFind(watched);
    if (hint != m_hints.cend()) {
        if (event->type() == QEvent::Enter || event->type() == QEvent::HoverMove)
            setText(*hint);
    } else if (event->type() == QEvent::MouseMove) {
        setText(QString());
    }
    return false;
}
