#pragma once

#include "screens/ExportWindow.h"
#include "screens/RegisterSource.h"

// " Esportazione Registro vendite in Microsoft Excel": every sale of the card's year in a grid, written
// to Registro_Vendite.xls.
class TfrmExpRegistro : public ExportWindow
{
    Q_OBJECT

public:
    explicit TfrmExpRegistro(const RegisterSource& source, QWidget* parent = nullptr);
};
