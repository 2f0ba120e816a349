#pragma once

#include "screens/SearchWindow.h"

// The product search " Trova articoli in magazzino": ten criteria over Magazzino.pro; a double click
// fills the caller named by the tag in lblMemory ("magazzino": the product card, with the record number;
// "riepilogo": the profit summary's article code).
class TfrmTrovaMagazzino : public SearchWindow
{
    Q_OBJECT

public:
    explicit TfrmTrovaMagazzino(QWidget* parent = nullptr);
};
