#pragma once

#include "screens/ListWindow.h"

// " Riepilogo contratti in scadenza o scaduti": every operator or agent whose contract deadline is past or
// within its days of notice; a double click loads the card into the operator card with its record number.
class TfrmDaRinnovare : public ListWindow
{
    Q_OBJECT

public:
    explicit TfrmDaRinnovare(QWidget* parent = nullptr);
};
