#pragma once

#include "platform/ReportOutput.h"

#include <QList>

// Report output that records what was printed, previewed or exported instead of opening dialogs; a PDF
// export still writes the real file unless told not to. Installs itself while it lives.
class RecordingReportOutput : public ReportOutput
{
public:
    enum class Kind { Print, Preview, Pdf };

    struct Output
    {
        Kind kind;
        ReportTemplate report;
        QString path; // PDF exports only
        int copies = 1;
    };

    RecordingReportOutput();
    ~RecordingReportOutput() override;

    bool print(const ReportTemplate& report, int copies = 1) override;
    void preview(const ReportTemplate& report) override;
    bool exportPdf(const ReportTemplate& report, const QString& path) override;

    QList<Output> outputs;
    // What print() answers, as if the print dialog was confirmed or cancelled.
    bool printConfirmed = true;
    bool writePdf = true;
};
