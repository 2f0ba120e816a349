#include "platform/ReportTemplate.h"

#include <algorithm>

ReportElement& ReportBand::addText(const QString& name, const QRectF& rect, const ReportFont& font)
{
    ReportElement& e = elements.emplace_back();
    e.kind = ReportElement::Kind::Text;
    e.name = name;
    e.rect = rect;
    e.font = font;
    return e;
}

ReportElement& ReportBand::addLine(const QString& name, const QPointF& from, const QPointF& to)
{
    ReportElement& e = elements.emplace_back();
    e.kind = ReportElement::Kind::Line;
    e.name = name;
    e.rect = QRectF(from, to);
    return e;
}

ReportElement& ReportBand::addPicture(const QString& name, const QRectF& rect, const QString& source)
{
    ReportElement& e = elements.emplace_back();
    e.kind = ReportElement::Kind::Picture;
    e.name = name;
    e.rect = rect;
    e.source = source;
    return e;
}

double ReportBand::contentBottom() const
{
    double bottom = 0;
    for (const ReportElement& e : elements)
        bottom = std::max(bottom, e.rect.bottom());
    return bottom;
}

ReportTemplate::ReportTemplate(const QString& name) : m_name(name) {}

void ReportTemplate::setPageA4(Orientation orientation, double marginMm)
{
    m_orientation = orientation;
    m_marginMm = marginMm;
}

QSizeF ReportTemplate::paperSizeMm() const
{
    return m_orientation == Orientation::Portrait ? QSizeF(210, 297) : QSizeF(297, 210);
}

QSizeF ReportTemplate::printableSize() const
{
    const QSizeF paper = paperSizeMm();
    return {ReportUnits::fromMm(paper.width() - 2 * m_marginMm),
            ReportUnits::fromMm(paper.height() - 2 * m_marginMm)};
}

ReportBand& ReportTemplate::addBand(ReportBand::Kind kind, double height)
{
    ReportBand& b = m_bands.emplace_back();
    b.kind = kind;
    b.height = height;
    return b;
}

namespace {

// Shared by the const and non-const look-ups; Bands is const or not along with the template.
template <typename Bands> auto findBand(Bands& bands, ReportBand::Kind kind) -> decltype(&bands[0])
{
    for (auto& b : bands) {
        if (b.kind == kind)
            return &b;
    }
    return nullptr;
}

template <typename Bands>
auto findElement(Bands& bands, const QString& name) -> decltype(&bands[0].elements[0])
{
    for (auto& b : bands) {
        for (auto& e : b.elements) {
            if (e.name == name)
                return &e;
        }
    }
    return nullptr;
}

} // namespace

ReportBand* ReportTemplate::band(ReportBand::Kind kind)
{
    return findBand(m_bands, kind);
}

const ReportBand* ReportTemplate::band(ReportBand::Kind kind) const
{
    return findBand(m_bands, kind);
}

ReportElement* ReportTemplate::element(const QString& name)
{
    return findElement(m_bands, name);
}

const ReportElement* ReportTemplate::element(const QString& name) const
{
    return findElement(m_bands, name);
}

QString ReportTemplate::text(const QString& name) const
{
    const ReportElement* e = element(name);
    return e ? e->text : QString();
}

bool ReportTemplate::setText(const QString& name, const QString& text)
{
    ReportElement* e = element(name);
    if (!e)
        return false;
    e->text = text;
    return true;
}
