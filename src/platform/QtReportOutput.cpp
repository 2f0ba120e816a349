#include "platform/QtReportOutput.h"

#include "platform/ReportPainter.h"
#include "platform/ReportPdf.h"
#include "platform/ReportPreview.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>

bool QtReportOutput::print(const ReportTemplate& report, int copies)
{
    QPrinter printer(QPrinter::HighResolution);
    ReportPainter::applyPageLayout(report, printer);
    printer.setDocName(report.title().isEmpty() ? report.name() : report.title());
    printer.setCopyCount(copies);
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return ReportPainter::render(report, printer);
}

void QtReportOutput::preview(const ReportTemplate& report)
{
    ReportPreview window(report, QApplication::activeWindow());
    window.exec();
}

bool QtReportOutput::exportPdf(const ReportTemplate& report, const QString& path)
{
    return ReportPdf::write(report, path);
}
