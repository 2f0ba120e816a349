#include "widgets/PictureButton.h"

#include "widgets/Accessibility.h"
#include "widgets/Picture.h"

#include <QPainter>
#include <QSvgRenderer>

PictureButton::PictureButton(const QString& objectName, const QString& artwork, const QString& caption,
                             QWidget* parent)
    : QAbstractButton(parent), m_renderer(new QSvgRenderer(artwork, this))
{
    setObjectName(objectName);
    setText(caption);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    Accessibility::describe(this, caption);
}

QSize PictureButton::sizeHint() const
{
    return m_renderer->defaultSize();
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QRectF target = Picture::placement(m_renderer->defaultSize(), rect());
    if (isDown())
        target.translate(0, 1);
    if (!isEnabled())
        painter.setOpacity(0.3);
    m_renderer->render(&painter, target);
    if (isEnabled() && underMouse() && !isDown()) {
        painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        painter.setOpacity(0.12);
        painter.fillRect(target, Qt::white);
    }
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.setOpacity(1.0);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(target.adjusted(1, 1, -1, -1), 6, 6);
    }
}
