#pragma once

#include "checks/CheckWindow.h"

// The check of a codice fiscale: its check character.
class TfrmCodFisc : public CheckWindow
{
    Q_OBJECT

public:
    explicit TfrmCodFisc(QWidget* parent = nullptr);
};
