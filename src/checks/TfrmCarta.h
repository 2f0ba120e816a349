#pragma once

#include "checks/CheckWindow.h"

// The check of a credit-card number: the Luhn check, and the card's circuit.
class TfrmCarta : public CheckWindow
{
    Q_OBJECT

public:
    explicit TfrmCarta(QWidget* parent = nullptr);
};
