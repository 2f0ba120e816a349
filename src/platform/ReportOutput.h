#pragma once

#include "platform/ReportTemplate.h"

#include <QString>

// Where a filled report goes: the printer through the print dialog, the preview window, or a PDF file.
// Tests install a stand-in that records what was output.
class ReportOutput
{
public:
    virtual ~ReportOutput() = default;

    // The print dialog, proposing that many copies, then the printer; false when cancelled or failed.
    virtual bool print(const ReportTemplate& report, int copies = 1) = 0;
    // The preview window (print, zoom, full screen, close; no editing), modal; returns when it closes.
    virtual void preview(const ReportTemplate& report) = 0;
    // Writes the report to the PDF file at path without asking, replacing an older file; false on failure.
    virtual bool exportPdf(const ReportTemplate& report, const QString& path) = 0;

    // The output every report goes through.
    static ReportOutput& current();
    // Installs a stand-in (nullptr restores the real output); the caller keeps ownership.
    static void install(ReportOutput* output);
};
