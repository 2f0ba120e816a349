#pragma once

#include "platform/ReportTemplate.h"

#include <QList>

// Where each band, or the slice of a band, lands on the pages of a report.
struct ReportFragment
{
    int band = 0;        // index into ReportTemplate::bands()
    double top = 0;      // on the page, from the top of the printable area, in report units
    double sliceTop = 0; // the part of the band shown: from sliceTop, sliceHeight high
    double sliceHeight = 0;
};

struct ReportPageLayout
{
    QList<ReportFragment> fragments;
};

// Lays bands out on pages: page bands on every page, the title once at the top, data bands one after
// another, page footers at the bottom of every page. A splittable band too tall for the room left is
// cut between text lines (or between elements) and continues on the next page. Always one page at least.
namespace ReportPagination {

QList<ReportPageLayout> paginate(const ReportTemplate& report);

} // namespace ReportPagination
