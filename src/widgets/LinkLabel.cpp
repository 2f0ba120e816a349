#include "widgets/LinkLabel.h"

#include "widgets/Accessibility.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace {
const QColor idle(0x1A, 0x5F, 0xB4);
const QColor held(0xF0, 0x8A, 0x00);
const QColor visited(0x10, 0x23, 0x5C);
} // namespace

LinkLabel::LinkLabel(const QString& objectName, const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setObjectName(objectName);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setColour(idle);
    Accessibility::describe(this, text);
}

void LinkLabel::setColour(const QColor& colour)
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colour);
    setPalette(colours);
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        setColour(held);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    setColour(visited);
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        setColour(visited);
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}
