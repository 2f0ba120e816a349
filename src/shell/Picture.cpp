#include "shell/Picture.h"

#include "shell/Accessibility.h"

#include <QPainter>
#include <QSvgRenderer>

Picture::Picture(const QString& objectName, const QString& artwork, const QString& description,
                 QWidget* parent)
    : QWidget(parent), m_renderer(new QSvgRenderer(artwork, this))
{
    setObjectName(objectName);
    Accessibility::describe(this, description);
}

QSize Picture::sizeHint() const
{
    return m_renderer->defaultSize();
}

void Picture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QSizeF size = m_renderer->defaultSize();
    size.scale(QSizeF(this->size()), Qt::KeepAspectRatio);
    QRectF target(QPointF(), size);
    target.moveCenter(QRectF(rect()).center());
    m_renderer->render(&painter, target);
}
