#pragma once

#include "screens/ExportWindow.h"

#include <QDate>

// " Scadenze del giorno": the appointments of the calendar's day, in the order of their time, written
// to Scadenze_Giornaliere.xls.
class TfrmExpGiornaliere : public ExportWindow
{
    Q_OBJECT

public:
    explicit TfrmExpGiornaliere(QDate date, QWidget* parent = nullptr);
};
