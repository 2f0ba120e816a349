#include "widgets/Picture.h"

#include "widgets/Accessibility.h"

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
    m_renderer->render(&painter, placement(m_renderer->defaultSize(), rect()));
}

QRectF Picture::placement(const QSizeF& artwork, const QRect& area)
{
    QSizeF size = artwork;
    size.scale(QSizeF(area.size()), Qt::KeepAspectRatio);
    QRectF target(QPointF(), size);
    target.moveCenter(QRectF(area).center());
    return target;
}
