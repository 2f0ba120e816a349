#pragma once

#include "screens/ChartDefinition.h"

#include <array>
#include <QDialog>

class QChart;
class QChartView;
class QLabel;
class ReportTemplate;

// A monthly chart, created for one use over a year menu: twelve values read from a year file when the
// window is shown, drawn as bars or as a pie, printed in landscape with a number of copies.
class ChartWindow : public QDialog
{
    Q_OBJECT

public:
    ChartWindow(const ChartDefinition& definition, const QString& year, QWidget* parent = nullptr);

    // The values drawn, January first; empty until the window is shown.
    QList<qint64> values() const { return m_values; }
    bool showsPie() const { return m_pie; }

    // The page "Stampa grafico" prints: the chart as currently drawn, on an A4 sheet in landscape.
    ReportTemplate page();

    void btnTortaClick();
    void btnBarreClick();
    void btnStampaClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void compute();
    void draw();
    // The chart of the values as currently chosen, bars or pie; only its title while nothing is read.
    QChart* makeChart() const;

    const ChartDefinition& m_definition;
    QString m_year;
    QChartView* m_view;
    std::array<QLabel*, 12> m_months{};
    QList<qint64> m_values;
    bool m_pie = false;
    bool m_computed = false;
};
