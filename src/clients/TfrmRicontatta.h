#pragma once

#include "screens/ListWindow.h"

// " Riepilogo clienti da ricontattare": every client card whose recontact flag is set, with its pending
// issues; a double click loads the card into the client card with its record number.
class TfrmRicontatta : public ListWindow
{
    Q_OBJECT

public:
    explicit TfrmRicontatta(QWidget* parent = nullptr);
};
