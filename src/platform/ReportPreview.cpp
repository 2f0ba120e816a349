#include "platform/ReportPreview.h"

#include "platform/ReportOutput.h"
#include "platform/ReportPainter.h"
#include "platform/ScreenFit.h"

#include <QAction>
#include <QPrinter>
#include <QPrintPreviewWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

QAction* toolAction(QToolBar* bar, const QString& objectName, const QString& text, const QKeySequence& key)
{
    QAction* action = bar->addAction(text);
    action->setObjectName(objectName);
    action->setShortcut(key);
    action->setToolTip(text);
    return action;
}

} // namespace

ReportPreview::ReportPreview(const ReportTemplate& report, QWidget* parent)
    : QDialog(parent), m_report(report), m_printer(new QPrinter(QPrinter::HighResolution))
{
    setObjectName(QStringLiteral("TfrmAnteprima"));
    setWindowTitle(QStringLiteral(" Anteprima di stampa"));
    ReportPainter::applyPageLayout(m_report, *m_printer);

    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("barAnteprima"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_pages = new QPrintPreviewWidget(m_printer, this);
    m_pages->setObjectName(QStringLiteral("pagAnteprima"));
    m_pages->setAccessibleName(QStringLiteral("Anteprima di stampa"));
    connect(m_pages, &QPrintPreviewWidget::paintRequested, this, &ReportPreview::paintPages);

    connect(toolAction(bar, QStringLiteral("actStampa"), QStringLiteral("Stampa"), QKeySequence::Print),
            &QAction::triggered, this, [this] { ReportOutput::current().print(m_report); });
    bar->addSeparator();
    connect(
        toolAction(bar, QStringLiteral("actZoomAvanti"), QStringLiteral("Ingrandisci"), QKeySequence::ZoomIn),
        &QAction::triggered, m_pages, [this] { m_pages->zoomIn(); });
    connect(
        toolAction(bar, QStringLiteral("actZoomIndietro"), QStringLiteral("Riduci"), QKeySequence::ZoomOut),
        &QAction::triggered, m_pages, [this] { m_pages->zoomOut(); });
    connect(toolAction(bar, QStringLiteral("actPaginaIntera"), QStringLiteral("Pagina intera"), {}),
            &QAction::triggered, m_pages, &QPrintPreviewWidget::fitInView);
    connect(toolAction(bar, QStringLiteral("actLarghezzaPagina"), QStringLiteral("Larghezza pagina"), {}),
            &QAction::triggered, m_pages, &QPrintPreviewWidget::fitToWidth);
    bar->addSeparator();
    connect(toolAction(bar, QStringLiteral("actSchermoIntero"), QStringLiteral("Schermo intero"),
                       QKeySequence::FullScreen),
            &QAction::triggered, this, &ReportPreview::toggleFullScreen);
    connect(toolAction(bar, QStringLiteral("actChiudi"), QStringLiteral("Chiudi"), {}), &QAction::triggered,
            this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_pages, 1);
    // As tall as the screen allows, for a whole page; 1000 pixels wide where the screen has them.
    ScreenFit::resizeCentred(this, {1000, ScreenFit::availableArea(this).height()});
}

ReportPreview::~ReportPreview()
{
    // The preview widget paints through the printer until it goes.
    delete m_pages;
    delete m_printer;
}

void ReportPreview::paintPages(QPrinter* printer)
{
    ReportPainter::render(m_report, *printer);
}

void ReportPreview::toggleFullScreen()
{
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}
