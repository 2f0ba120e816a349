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
    QString m_path;
    ProfitSummary::Selection m_selection;
    ResultList* m_results;
    QLabel* m_titTipologia;
    QLabel* m_lblIntervallo;
    QLabel* m_lblTotCosti;
};
