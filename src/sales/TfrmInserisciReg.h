#pragma once

#include "screens/QuickEntry.h"

// The quick sale entry " Registrazione nuova vendita": the client card opens it with the current year,
// its client and the client's payment method; it appends one sale to that year's register.
class TfrmInserisciReg : public QuickEntry
{
    Q_OBJECT

public:
    explicit TfrmInserisciReg(QWidget* parent = nullptr);
};
