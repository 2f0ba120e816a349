#include "RecordingReportOutput.h"

#include "platform/ReportPdf.h"

RecordingReportOutput::RecordingReportOutput()
{
    ReportOutput::install(this);
}

RecordingReportOutput::~RecordingReportOutput()
{
    ReportOutput::install(nullptr);
}

bool RecordingReportOutput::print(const ReportTemplate& report, int copies)
{
    outputs.append({Kind::Print, report, {}, copies});
    return printConfirmed;
}

void RecordingReportOutput::preview(const ReportTemplate& report)
{
    outputs.append({Kind::Preview, report, {}, 1});
}

bool RecordingReportOutput::exportPdf(const ReportTemplate& report, const QString& path)
{
    outputs.append({Kind::Pdf, report, path, 1});
    return !writePdf || ReportPdf::write(report, path);
}
