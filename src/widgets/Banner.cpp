#include "widgets/Banner.h"

#include "widgets/Accessibility.h"

#include <QLinearGradient>
#include <QPainter>
#include <QSvgRenderer>

Banner::Banner(const QString& objectName, const QString& title, const QString& subtitle, QWidget* parent)
    : QWidget(parent), m_title(title), m_subtitle(subtitle),
      m_logo(new QSvgRenderer(QStringLiteral(":/artwork/logo.svg"), this))
{
    setObjectName(objectName);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setMinimumHeight(sizeHint().height());
    Accessibility::describe(this, subtitle.isEmpty() ? title : title + QStringLiteral(". ") + subtitle);
}

QSize Banner::sizeHint() const
{
    return {480, fontMetrics().height() * 4 + 8};
}

Banner::Fonts Banner::fontsFor(int height) const
{
    const qreal text = height * 5.0 / 7.0;
    Fonts fonts{font(), font()};
    fonts.heading.setBold(true);
    fonts.heading.setPixelSize(qMax(12, int(text * 0.36)));
    fonts.line.setPixelSize(qMax(10, int(text * 0.24)));
    return fonts;
}

int Banner::widthFor(int height) const
{
    const Fonts fonts = fontsFor(height);
    const int padding = height / 7;
    const qreal text = qMax(QFontMetricsF(fonts.heading).horizontalAdvance(m_title),
                            QFontMetricsF(fonts.line).horizontalAdvance(m_subtitle));
    return int(padding * 1.5 + (height - 2 * padding) + padding * 1.5 + text + padding * 2.5) + 1;
}

void Banner::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, width(), 0);
    fill.setColorAt(0.0, QColor(0x12, 0x2B, 0x57));
    fill.setColorAt(1.0, QColor(0x2B, 0x6C, 0xD0));
    painter.fillRect(rect(), fill);

    const int padding = height() / 7;
    const QRectF logo(padding * 1.5, padding, height() - 2 * padding, height() - 2 * padding);
    m_logo->render(&painter, logo);

    const QRectF text(logo.right() + padding * 1.5, padding, width() - logo.right() - 3 * padding,
                      height() - 2 * padding);
    const Fonts fonts = fontsFor(height());
    const QFontMetricsF headingMetrics(fonts.heading);
    const QFontMetricsF lineMetrics(fonts.line);
    const qreal block = headingMetrics.height() + (m_subtitle.isEmpty() ? 0 : lineMetrics.height());
    QRectF at = text;
    at.setTop(text.top() + (text.height() - block) / 2);
    painter.setPen(Qt::white);
    painter.setFont(fonts.heading);
    painter.drawText(at, Qt::AlignLeft | Qt::AlignTop, m_title);
    if (!m_subtitle.isEmpty()) {
        at.setTop(at.top() + headingMetrics.height());
        painter.setFont(fonts.line);
        painter.setPen(QColor(0xCF, 0xE0, 0xFA));
        painter.drawText(at, Qt::AlignLeft | Qt::AlignTop, m_subtitle);
    }
}
