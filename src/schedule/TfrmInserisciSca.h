#pragma once

#include "screens/QuickEntry.h"

// The quick appointment entry " Registrazione nuovo appuntamento": the client card opens it with the
// current year and its client; it appends one appointment to the schedule of the year shown.
class TfrmInserisciSca : public QuickEntry
{
    Q_OBJECT

public:
    explicit TfrmInserisciSca(QWidget* parent = nullptr);
};
