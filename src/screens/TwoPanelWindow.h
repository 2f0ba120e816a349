#pragma once

#include "screens/ResultList.h"

#include <QDialog>

// A window of two panels in one place: panAvvio with the inputs a subclass puts there, and panContainer
// with the result list, which takes the first panel's place once there is something to show.
class TwoPanelWindow : public QDialog
{
    Q_OBJECT

public:
    ResultList* results() const { return m_results; }

    void done(int result) override;

protected:
    TwoPanelWindow(const ResultList::Options& options, QWidget* parent);

    QWidget* panAvvio() const { return m_panAvvio; }
    // Puts both panels in the window; called once panAvvio is filled, so that its inputs lead the tab order.
    void placePanels();
    // Hides panAvvio, shows the result list, grows the window to the results' size and puts the focus in
    // its find box.
    void showResults();
    // The size the window takes for the results; until then it is as large as panAvvio needs.
    void setResultsSize(const QSize& size) { m_resultsSize = size; }
    // What panAvvio does at each showing of the window, after the list is reset: defaults and focus.
    virtual void prepareFirstPanel() = 0;

    void showEvent(QShowEvent* event) override;

private:
    QWidget* m_panAvvio;
    QWidget* m_panContainer;
    ResultList* m_results;
    QSize m_resultsSize;
};
