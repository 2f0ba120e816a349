#pragma once

#include "platform/ReportOutput.h"

// The real report output: Qt's print dialog and printer, the preview window and PDF files.
class QtReportOutput : public ReportOutput
{
public:
    bool print(const ReportTemplate& report, int copies = 1) override;
    void preview(const ReportTemplate& report) override;
    bool exportPdf(const ReportTemplate& report, const QString& path) override;
};
