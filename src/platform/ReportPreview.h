#pragma once

#include "platform/ReportTemplate.h"

#include <QDialog>

class QPrintPreviewWidget;
class QPrinter;

// " Anteprima di stampa": the pages of a report as they will print, with print, zoom, full screen and
// close, and nothing that changes the report.
class ReportPreview : public QDialog
{
    Q_OBJECT

public:
    explicit ReportPreview(const ReportTemplate& report, QWidget* parent = nullptr);
    ~ReportPreview() override;

private:
    void paintPages(QPrinter* printer);
    void toggleFullScreen();

    ReportTemplate m_report;
    QPrinter* m_printer;
    QPrintPreviewWidget* m_pages;
};
