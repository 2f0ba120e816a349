#pragma once

#include <QWidget>

class QSvgRenderer;

// A decorative picture: vector artwork drawn at the widget's size, keeping its proportions.
class Picture : public QWidget
{
    Q_OBJECT

public:
    Picture(const QString& objectName, const QString& artwork, const QString& description,
            QWidget* parent = nullptr);

    QSize sizeHint() const override;

    // Where artwork of that size is drawn in the area: as large as fits, its proportions kept, centred.
    static QRectF placement(const QSizeF& artwork, const QRect& area);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer* m_renderer;
};
