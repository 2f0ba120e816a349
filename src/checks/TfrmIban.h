#pragma once

#include "checks/CheckWindow.h"

// The check of an Italian IBAN: its check digits.
class TfrmIban : public CheckWindow
{
    Q_OBJECT

public:
    explicit TfrmIban(QWidget* parent = nullptr);
};
