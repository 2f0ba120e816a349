#include "platform/ReportPreview.h"

#include "platform/ReportOutput.h"
#include "platform/ReportPainter.h"
#include "platform/ScreenFit.h"

#include <QAction>
#include <QGraphicsView>
#include <QIcon>
#include <QPrinter>
#include <QPrintPreviewWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// A picture command of the toolbar; the artwork is the program's own, like every other command's.
QAction* toolAction(QToolBar* bar, const QString& objectName, const QString& artwork, const QString& text,
                    const QKeySequence& key)
{
    QAction* action = bar->addAction(QIcon(QStringLiteral(":/artwork/%1.svg").arg(artwork)), text);
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
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar->setIconSize(QSize(28, 28));
    m_pages = new QPrintPreviewWidget(m_printer, this);
    m_pages->setObjectName(QStringLiteral("pagAnteprima"));
    m_pages->setAccessibleName(QStringLiteral("Anteprima di stampa"));
    // The pages are shown, and scrolled with the keyboard, in a view inside it.
    for (QGraphicsView* view : m_pages->findChildren<QGraphicsView*>())
        view->setAccessibleName(QStringLiteral("Pagine dell'anteprima"));
    connect(m_pages, &QPrintPreviewWidget::paintRequested, this, &ReportPreview::paintPages);

    connect(toolAction(bar, QStringLiteral("actStampa"), QStringLiteral("stampa"), QStringLiteral("Stampa"),
                       QKeySequence::Print),
            &QAction::triggered, this, [this] { ReportOutput::current().print(m_report); });
    bar->addSeparator();
    connect(toolAction(bar, QStringLiteral("actZoomAvanti"), QStringLiteral("ingrandisci"),
                       QStringLiteral("Ingrandisci"), QKeySequence::ZoomIn),
            &QAction::triggered, m_pages, [this] { m_pages->zoomIn(); });
    connect(toolAction(bar, QStringLiteral("actZoomIndietro"), QStringLiteral("riduci"),
                       QStringLiteral("Riduci"), QKeySequence::ZoomOut),
            &QAction::triggered, m_pages, [this] { m_pages->zoomOut(); });
    connect(toolAction(bar, QStringLiteral("actPaginaIntera"), QStringLiteral("pagina_intera"),
                       QStringLiteral("Pagina intera"), {}),
            &QAction::triggered, m_pages, &QPrintPreviewWidget::fitInView);
    connect(toolAction(bar, QStringLiteral("actLarghezzaPagina"), QStringLiteral("larghezza_pagina"),
                       QStringLiteral("Larghezza pagina"), {}),
            &QAction::triggered, m_pages, &QPrintPreviewWidget::fitToWidth);
    bar->addSeparator();
    connect(toolAction(bar, QStringLiteral("actSchermoIntero"), QStringLiteral("schermo_intero"),
                       QStringLiteral("Schermo intero"), QKeySequence::FullScreen),
            &QAction::triggered, this, &ReportPreview::toggleFullScreen);
    connect(
        toolAction(bar, QStringLiteral("actChiudi"), QStringLiteral("esci"), QStringLiteral("Chiudi"), {}),
        &QAction::triggered, this, &QDialog::accept);

    // The commands are reached with Tab too, not only with the mouse or their shortcuts.
    for (QToolButton* button : bar->findChildren<QToolButton*>())
        button->setFocusPolicy(Qt::TabFocus);

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
