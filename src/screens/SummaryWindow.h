#pragma once

#include "screens/ExportWindow.h"
#include "screens/RegisterSource.h"
#include "screens/SummaryDefinition.h"

class QComboBox;
class QLabel;

// A summary of a register's year file by day, by month or for the whole year: the export window's grid
// and pictures, and for a day or a month the selection panel panAnno laid over the grid (cboGiorno,
// cboSelezione, lblAnno, "Visualizza", icoGuida, icoEsci). The file and the year are asked of the caller
// at the moment of reading; the grid does not follow later changes of the file.
class SummaryWindow : public ExportWindow
{
    Q_OBJECT

public:
    SummaryWindow(const SummaryDefinition& summary, RegisterSource source, QWidget* parent = nullptr);

    // The year the caller shows in lblAnno; it is only displayed.
    void setYearLabel(const QString& year);

    void btnVisualizzaClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildSelectionPanel();
    // Puts the selection panel over the grid, wherever the layout has placed it.
    void coverGrid();

    const SummaryDefinition& m_summary;
    RegisterSource m_source;
    QWidget* m_panAnno = nullptr;
    QComboBox* m_cboGiorno = nullptr;
    QComboBox* m_cboSelezione = nullptr;
    QLabel* m_lblAnno = nullptr;
    // How the grid takes the focus once the panel has made way for it.
    Qt::FocusPolicy m_gridFocus = Qt::StrongFocus;
};
