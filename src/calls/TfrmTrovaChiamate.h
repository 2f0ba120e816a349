#pragma once

#include "screens/SearchWindow.h"

// The call search " Trova scheda in Registro chiamate": ten criteria over the year file the call card has
// open. Its remembered find text lasts the whole run, shared by every opening; a double click loads the
// call card (tag "chiamate") with the chosen call and its record number.
class TfrmTrovaChiamate : public SearchWindow
{
    Q_OBJECT

public:
    // file: the year file, asked for at each "Cerca" and pick.
    explicit TfrmTrovaChiamate(std::function<QString()> file, QWidget* parent = nullptr);
};
