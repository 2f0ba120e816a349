#pragma once

#include "screens/QuickEntry.h"

// The quick call entry " Registrazione nuova chiamata": the client card opens it with the current year
// and its client; it appends one call to that year's register.
class TfrmInserisciTel : public QuickEntry
{
    Q_OBJECT

public:
    explicit TfrmInserisciTel(QWidget* parent = nullptr);
};
