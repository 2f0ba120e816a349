#pragma once

#include "screens/ExportWindow.h"

#include <QDate>

// " Scadenze del mese": the appointments of the calendar's month, in the order of their date and time,
// written to Scadenze_Mensili.xls.
class TfrmExpMensili : public ExportWindow
{
    Q_OBJECT

public:
    explicit TfrmExpMensili(QDate date, QWidget* parent = nullptr);
};
