#pragma once

#include "screens/ExportWindow.h"

// " Esporta archivio operatori e agenti in Microsoft Excel": the staff archive in a grid, written to
// Personale_Interno.xls.
class TfrmExpIstruttori : public ExportWindow
{
    Q_OBJECT

public:
    explicit TfrmExpIstruttori(QWidget* parent = nullptr);
};
