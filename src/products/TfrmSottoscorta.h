#pragma once

#include "screens/ListWindow.h"

// " Materiali in esaurimento": every product whose stock is at or below its threshold; a card whose
// numbers cannot be read is left out and counted. A double click loads the product into the product
// card with its record number.
class TfrmSottoscorta : public ListWindow
{
    Q_OBJECT

public:
    explicit TfrmSottoscorta(QWidget* parent = nullptr);
};
