#pragma once

#include "screens/ExportWindow.h"
#include "screens/RegisterSource.h"

// " Esportazione Registro chiamate in Microsoft Excel": every call of the card's year in a grid, written
// to Registro_Chiamate.xls.
class TfrmExpChiamate : public ExportWindow
{
    Q_OBJECT

public:
    explicit TfrmExpChiamate(const RegisterSource& source, QWidget* parent = nullptr);
};
