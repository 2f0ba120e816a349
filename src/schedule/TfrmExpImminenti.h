#pragma once

#include "screens/ExportWindow.h"

#include <QDate>

// " Scadenze imminenti": the appointments of the current year that are imminent today, in the order of
// their date and time, written to Scadenze_Imminenti.xls.
class TfrmExpImminenti : public ExportWindow
{
    Q_OBJECT

public:
    explicit TfrmExpImminenti(QDate today, QWidget* parent = nullptr);
};
