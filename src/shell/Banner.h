#pragma once

#include <QWidget>

class QSvgRenderer;

// The product's banner: a blue strip with the logo, a title and a line below it. Decoration only.
class Banner : public QWidget
{
    Q_OBJECT

public:
    Banner(const QString& objectName, const QString& title, const QString& subtitle,
           QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_title;
    QString m_subtitle;
    QSvgRenderer* m_logo;
};
