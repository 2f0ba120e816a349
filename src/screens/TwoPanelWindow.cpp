#include "screens/TwoPanelWindow.h"

#include "platform/ScreenFit.h"

#include <QShowEvent>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TwoPanelWindow::TwoPanelWindow(const ResultList::Options& options, QWidget* parent)
    : QDialog(parent), m_panAvvio(new QWidget), m_panContainer(new QWidget),
      m_results(new ResultList(options))
{
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_panAvvio->setObjectName(u"panAvvio"_s);
    m_panContainer->setObjectName(u"panContainer"_s);
    connect(m_results, &ResultList::closeRequested, this, &QDialog::reject);
}

void TwoPanelWindow::placePanels()
{
    auto* container = new QVBoxLayout(m_panContainer);
    container->setContentsMargins(0, 0, 0, 0);
    container->addWidget(m_results);
    m_panContainer->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 16);
    layout->addWidget(m_panAvvio);
    layout->addWidget(m_panContainer);
}

void TwoPanelWindow::showResults()
{
    m_panAvvio->hide();
    m_panContainer->show();
    // Grown for its list, it stays inside the screen and centred.
    ScreenFit::resizeCentred(this, size().expandedTo(m_resultsSize));
    m_results->focusFind();
}

void TwoPanelWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    m_results->reset();
    prepareFirstPanel();
    // The first panel's questions take little room: the window fits them, with no empty area below,
    // at a width where their instructions read on a line or two.
    if (m_panAvvio->isVisibleTo(this)) {
        constexpr int firstPanelWidth = 760;
        adjustSize();
        QSize wanted = size();
        if (width() < firstPanelWidth)
            wanted = {firstPanelWidth, hasHeightForWidth() ? heightForWidth(firstPanelWidth) : height()};
        ScreenFit::resizeCentred(this, wanted);
    }
}

void TwoPanelWindow::done(int result)
{
    m_results->clear();
    QDialog::done(result);
}
