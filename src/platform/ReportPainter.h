#pragma once

#include "platform/ReportTemplate.h"

class QPagedPaintDevice;
class QPainter;

// Renders a filled template, page by page, to any paged device: the printer, the preview's printer and
// PDF files all go through here, so they show the same pages.
class ReportPainter
{
public:
    // Turns the device's page to the template's paper, orientation and margins.
    static void applyPageLayout(const ReportTemplate& report, QPagedPaintDevice& device);
    // Applies the page layout and paints every page; false when the device cannot be painted on.
    static bool render(const ReportTemplate& report, QPagedPaintDevice& device);
    // Paints every page with a painter already open on the device, starting a new page between pages.
    static void paint(const ReportTemplate& report, QPainter& painter, QPagedPaintDevice& device);
};
