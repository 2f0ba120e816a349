#pragma once

#include "screens/ExportWindow.h"

// " Esporta archivio prodotti e servizi in Microsoft Excel": the catalogue in a grid, written to
// Magazzino.xls.
class TfrmExpMagazzino : public ExportWindow
{
    Q_OBJECT

public:
    explicit TfrmExpMagazzino(QWidget* parent = nullptr);
};
