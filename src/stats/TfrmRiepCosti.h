#pragma once

#include "stats/ProfitSummary.h"

#include <QDialog>

class QLabel;
class ResultList;

// The profit summary's result: the selected sales, one line each, with the interval and their total,
// filled when shown from the selection it was given; its find text is kept for the whole run.
class TfrmRiepCosti : public QDialog
{
    Q_OBJECT

public:
    TfrmRiepCosti(const QString& path, const ProfitSummary::Selection& selection, QWidget* parent = nullptr);

    ResultList* results() const { return m_results; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Reads the summary from the year file into the list, the interval and the total; tells the user
    // about an unreadable file, and about sales left out when asked to.
    void summarise(bool tellLeftOut);

    QString m_path;
    ProfitSummary::Selection m_selection;
    ResultList* m_results;
    QLabel* m_titTipologia;
    QLabel* m_lblIntervallo;
    QLabel* m_lblTotCosti;
};
