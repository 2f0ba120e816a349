#include "platform/ReportPagination.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kEpsilon = 1e-6;

bool isPitchedText(const ReportElement& e)
{
    return e.kind == ReportElement::Kind::Text && e.linePitch > 0;
}

// True when cutting the band at y splits no element, except a pitched text box between two lines.
bool canCutAt(const ReportBand& band, double y)
{
    for (const ReportElement& e : band.elements) {
        const double top = e.rect.top();
        const double bottom = e.rect.bottom();
        if (y <= top + kEpsilon || y >= bottom - kEpsilon)
            continue;
        if (!isPitchedText(e))
            return false;
        const double offset = y - top;
        const double lines = std::round(offset / e.linePitch);
        if (std::abs(offset - lines * e.linePitch) > kEpsilon)
            return false;
    }
    return true;
}

// The lowest place in (from, limit] where the band may be cut, or a negative number for none.
double bestCut(const ReportBand& band, double from, double limit)
{
    double best = -1;
    auto consider = [&](double y) {
        if (y > from + kEpsilon && y <= limit + kEpsilon && y > best && canCutAt(band, y))
            best = y;
    };
    for (const ReportElement& e : band.elements) {
        consider(e.rect.top());
        consider(e.rect.bottom());
        if (isPitchedText(e) && limit > e.rect.top()) {
            const double lines = std::floor((limit - e.rect.top()) / e.linePitch + kEpsilon);
            consider(std::min(e.rect.top() + lines * e.linePitch, e.rect.bottom()));
        }
    }
    return best;
}

} // namespace

QList<ReportPageLayout> ReportPagination::paginate(const ReportTemplate& report)
{
    const QList<ReportBand>& bands = report.bands();
    const double pageHeight = report.printableSize().height();

    double footerHeight = 0;
    for (const ReportBand& b : bands) {
        if (b.kind == ReportBand::Kind::PageFooter)
            footerHeight += b.height;
    }
    const double bodyBottom = pageHeight - footerHeight;

    QList<ReportPageLayout> pages;
    double y = 0;
    double bodyTop = 0;
    auto startPage = [&] {
        pages.emplace_back();
        y = 0;
        bodyTop = 0;
    };
    auto place = [&](int band, double sliceTop, double sliceHeight) {
        pages.back().fragments.append({band, y, sliceTop, sliceHeight});
        y += sliceHeight;
    };

    startPage();
    for (int i = 0; i < bands.size(); ++i) {
        if (bands[i].kind == ReportBand::Kind::Title)
            place(i, 0, bands[i].height);
    }
    bodyTop = y;

    for (int i = 0; i < bands.size(); ++i) {
        const ReportBand& band = bands[i];
        if (band.kind != ReportBand::Kind::Data)
            continue;
        const double contentBottom = band.contentBottom();
        double slice = 0;
        while (true) {
            const double remaining = band.height - slice;
            const double room = bodyBottom - y;
            if (remaining <= room + kEpsilon) {
                place(i, slice, remaining);
                break;
            }
            // What is left is blank space under the content: it need not start a page of its own.
            if (slice >= contentBottom - kEpsilon) {
                place(i, slice, std::max(0.0, room));
                break;
            }
            if (band.canSplit) {
                const double cut = bestCut(band, slice, slice + room);
                if (cut > 0) {
                    place(i, slice, cut - slice);
                    slice = cut;
                    continue;
                }
            }
            if (y > bodyTop + kEpsilon) {
                startPage();
                continue;
            }
            // Not even an empty page holds it: show what fits and go on.
            if (room <= kEpsilon)
                break;
            place(i, slice, room);
            if (!band.canSplit)
                break;
            slice += room;
            startPage();
        }
    }

    for (ReportPageLayout& page : pages) {
        QList<ReportFragment> framed;
        for (int i = 0; i < bands.size(); ++i) {
            if (bands[i].kind == ReportBand::Kind::Page)
                framed.append({i, 0, 0, bands[i].height});
        }
        double footerTop = bodyBottom;
        for (int i = 0; i < bands.size(); ++i) {
            if (bands[i].kind == ReportBand::Kind::PageFooter) {
                page.fragments.append({i, footerTop, 0, bands[i].height});
                footerTop += bands[i].height;
            }
        }
        page.fragments = framed + page.fragments;
    }
    return pages;
}
