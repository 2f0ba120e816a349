#include "widgets/CaptionButton.h"

#include "widgets/Accessibility.h"

#include <QPainter>

CaptionButton::CaptionButton(const QString& objectName, const QString& caption, QWidget* parent)
    : QAbstractButton(parent)
{
    setObjectName(objectName);
    setText(caption);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    QFont lettering = font();
    lettering.setBold(true);
    lettering.setLetterSpacing(QFont::PercentageSpacing, 104);
    setFont(lettering);
    Accessibility::describe(this, caption);
}

QSize CaptionButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(text()) + 12, metrics.height() + 8};
}

void CaptionButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont lettering = font();
    lettering.setUnderline(isEnabled() && underMouse());
    painter.setFont(lettering);
    QColor colour = isDown() ? QColor(0xE8, 0x7A, 0x00) : QColor(0x1B, 0x36, 0x6B);
    if (!isEnabled())
        colour = QColor(0x1B, 0x36, 0x6B, 80);
    painter.setPen(colour);
    painter.drawText(rect(), Qt::AlignCenter, text());
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
