#pragma once

#include "checks/CheckWindow.h"

// The check of a partita IVA: its check digit, and the VAT office that issued it.
class TfrmPartitaIva : public CheckWindow
{
    Q_OBJECT

public:
    explicit TfrmPartitaIva(QWidget* parent = nullptr);
};
