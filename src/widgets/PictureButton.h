#pragma once

#include <QAbstractButton>

class QSvgRenderer;

// A picture used as a button: vector artwork drawn at whatever size the button has, lighter under the
// mouse, faded when disabled. Its caption is what a screen reader speaks.
class PictureButton : public QAbstractButton
{
    Q_OBJECT

public:
    PictureButton(const QString& objectName, const QString& artwork, const QString& caption,
                  QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer* m_renderer;
};
