#pragma once

#include "screens/ExportWindow.h"

// " Esporta archivio clienti in Microsoft Excel": the client archive in a grid, written to Clienti.xls.
class TfrmExpClienti : public ExportWindow
{
    Q_OBJECT

public:
    explicit TfrmExpClienti(QWidget* parent = nullptr);
};
