#pragma once

#include "screens/ExportDefinition.h"

#include <QDialog>

class GridModel;
class QLabel;
class QTableView;

// An export window: the preview grid grdRecords ("N." and the export's columns) filled when the window
// is shown, and the pictures cmdEsporta (writes the spreadsheet file after a question, then offers to
// open it), cmdGuida and cmdEsci, with their hints on the status line panInfo.
class ExportWindow : public QDialog
{
    Q_OBJECT

public:
    explicit ExportWindow(ExportDefinition definition, QWidget* parent = nullptr);

    GridModel* model() const { return m_model; }
    QTableView* grid() const { return m_grdRecords; }

    // Fills the grid afresh; a failure keeps the rows read so far, without a word, and tells of no
    // records left out.
    void refill();

    void cmdEsportaClick();
    void cmdGuidaClick();

protected:
    void showEvent(QShowEvent* event) override;
    // Shows the rows in the grid, then says once how many records were left out, if any.
    void showRows(TextTable rows, qint64 leftOut);
    // The status line panInfo, which also tells how far long work has got.
    QLabel* statusLine() const { return m_panInfo; }

private:
    ExportDefinition m_definition;
    GridModel* m_model;
    QTableView* m_grdRecords;
    QLabel* m_panInfo;
};
