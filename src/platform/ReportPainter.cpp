#include "platform/ReportPainter.h"

#include "platform/ReportPagination.h"

#include <algorithm>
#include <cmath>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPageLayout>
#include <QPainter>
#include <QSvgRenderer>

namespace {

QColor toColor(quint32 argb)
{
    return QColor::fromRgba(argb);
}

bool isSvg(const QString& source, const QByteArray& data)
{
    if (!data.isEmpty())
        return data.trimmed().startsWith('<');
    return source.endsWith(u".svg", Qt::CaseInsensitive);
}

// Draws the elements of one page, mapping report units to device pixels.
class PagePainter
{
public:
    PagePainter(QPainter& painter, double scale) : m_painter(painter), m_scale(scale) {}

    void drawFragment(const ReportBand& band, const ReportFragment& fragment, double width)
    {
        const double offset = fragment.top - fragment.sliceTop;
        const QRectF visible(0, fragment.top, width, fragment.sliceHeight);
        m_painter.save();
        m_painter.setClipRect(map(visible));
        for (const ReportElement& e : band.elements) {
            const QRectF placed = e.rect.translated(0, offset);
            switch (e.kind) {
            case ReportElement::Kind::Text:
                drawText(e, placed, fragment);
                break;
            case ReportElement::Kind::Line:
                drawLine(e, placed);
                break;
            case ReportElement::Kind::Picture:
                drawPicture(e, placed);
                break;
            }
        }
        m_painter.restore();
    }

private:
    QRectF map(const QRectF& r) const
    {
        return {r.x() * m_scale, r.y() * m_scale, r.width() * m_scale, r.height() * m_scale};
    }

    QFont fontOf(const ReportElement& e) const
    {
        QFont font(e.font.family);
        font.setPointSizeF(e.font.pointSize);
        font.setBold(e.font.bold);
        return font;
    }

    void drawText(const ReportElement& e, const QRectF& placed, const ReportFragment& fragment)
    {
        const QRectF box = map(placed);
        if (qAlpha(e.background) != 0)
            m_painter.fillRect(box, toColor(e.background));
        if (e.frameWidth > 0) {
            m_painter.setPen(QPen(toColor(e.frameColor), e.frameWidth * m_scale));
            m_painter.setBrush(Qt::NoBrush);
            m_painter.drawRect(box);
        }
        if (e.text.isEmpty())
            return;

        m_painter.save();
        m_painter.setClipRect(box, Qt::IntersectClip);
        m_painter.setFont(fontOf(e));
        m_painter.setPen(toColor(e.color));
        const QRectF inner = box.adjusted(e.padding * m_scale, 0, -e.padding * m_scale, 0);
        const Qt::Alignment horizontal = e.alignment & Qt::AlignHorizontal_Mask;
        if (e.linePitch > 0) {
            // Fixed pitch: only the lines inside this fragment's slice are drawn.
            const QStringList& lines = linesOf(e);
            const double pitch = e.linePitch;
            const double sliceTop = fragment.sliceTop - e.rect.top();
            // The slice is cut between lines; the epsilon keeps rounding from adding the neighbours.
            constexpr double epsilon = 1e-6;
            const qsizetype first = std::max<qsizetype>(0, qsizetype(std::floor(sliceTop / pitch + epsilon)));
            const qsizetype last = std::min<qsizetype>(
                lines.size(), qsizetype(std::ceil((sliceTop + fragment.sliceHeight) / pitch - epsilon)));
            for (qsizetype k = first; k < last; ++k) {
                const QRectF line(inner.left(), box.top() + double(k) * pitch * m_scale, inner.width(),
                                  pitch * m_scale);
                m_painter.drawText(line, int(horizontal | Qt::AlignVCenter), lines[k]);
            }
        } else {
            int flags = int(e.alignment);
            if (e.wordWrap)
                flags |= Qt::TextWordWrap;
            m_painter.drawText(inner, flags, e.text);
        }
        m_painter.restore();
    }

    void drawLine(const ReportElement& e, const QRectF& placed)
    {
        m_painter.setPen(QPen(toColor(e.color), e.lineWidth * m_scale));
        m_painter.drawLine(QPointF(placed.topLeft() * m_scale), QPointF(placed.bottomRight() * m_scale));
    }

    void drawPicture(const ReportElement& e, const QRectF& placed)
    {
        const QRectF box = map(placed);
        if (isSvg(e.source, e.data)) {
            QSvgRenderer svg;
            if (e.data.isEmpty() ? !svg.load(e.source) : !svg.load(e.data))
                return;
            svg.setAspectRatioMode(Qt::KeepAspectRatio);
            svg.render(&m_painter, box);
            return;
        }
        QImage image;
        if (e.data.isEmpty() ? !image.load(e.source) : !image.loadFromData(e.data))
            return;
        QSizeF size = image.size();
        size.scale(box.size(), Qt::KeepAspectRatio);
        QRectF target(QPointF(), size);
        target.moveCenter(box.center());
        m_painter.drawImage(target, image);
    }

    const QStringList& linesOf(const ReportElement& e)
    {
        auto it = m_lines.find(&e);
        if (it == m_lines.end())
            it = m_lines.insert(&e, e.text.split(u'\n'));
        return *it;
    }

    QPainter& m_painter;
    double m_scale;
    QHash<const ReportElement*, QStringList> m_lines;
};

} // namespace

void ReportPainter::applyPageLayout(const ReportTemplate& report, QPagedPaintDevice& device)
{
    const double margin = report.marginMm();
    const QPageLayout::Orientation orientation = report.orientation() == ReportTemplate::Orientation::Portrait
                                                     ? QPageLayout::Portrait
                                                     : QPageLayout::Landscape;
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), orientation,
                                     QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter));
}

bool ReportPainter::render(const ReportTemplate& report, QPagedPaintDevice& device)
{
    applyPageLayout(report, device);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    paint(report, painter, device);
    return painter.end();
}

void ReportPainter::paint(const ReportTemplate& report, QPainter& painter, QPagedPaintDevice& device)
{
    const double scale = device.logicalDpiX() / 96.0;
    const double width = report.printableSize().width();
    const QList<ReportBand>& bands = report.bands();
    const QList<ReportPageLayout> pages = ReportPagination::paginate(report);

    painter.setRenderHint(QPainter::Antialiasing);
    PagePainter pagePainter(painter, scale);
    for (qsizetype p = 0; p < pages.size(); ++p) {
        if (p > 0)
            device.newPage();
        for (const ReportFragment& fragment : pages[p].fragments)
            pagePainter.drawFragment(bands[fragment.band], fragment, width);
    }
}
