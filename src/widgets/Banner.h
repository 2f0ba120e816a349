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
    // The width that shows the whole text at that height.
    int widthFor(int height) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Fonts
    {
        QFont heading;
        QFont line;
    };
    Fonts fontsFor(int height) const;
    QString m_title;
    QString m_subtitle;
    QSvgRenderer* m_logo;
};
