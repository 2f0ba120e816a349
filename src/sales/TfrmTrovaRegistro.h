#pragma once

#include "screens/SearchWindow.h"

// The sale search " Trova scheda in Registro vendite": ten criteria over the year file the sale card has
// open. Its remembered find text lasts the whole run, its own and not the call search's; a double click
// loads the sale card (tag "registro") with the chosen sale and its record number.
class TfrmTrovaRegistro : public SearchWindow
{
    Q_OBJECT

public:
    // file: the year file, asked for at each "Cerca" and pick.
    explicit TfrmTrovaRegistro(std::function<QString()> file, QWidget* parent = nullptr);
};
