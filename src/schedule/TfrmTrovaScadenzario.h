#pragma once

#include "screens/SearchWindow.h"

// " Trova scadenze e appuntamenti in archivio": ten criteria over the year open on the schedule. Its
// remembered find text is forgotten each time it is shown; a double click loads the schedule card (tag
// "Scadenzario") with the chosen appointment and its record number.
class TfrmTrovaScadenzario : public SearchWindow
{
    Q_OBJECT

public:
    // file: the year file, asked for at each "Cerca" and pick.
    explicit TfrmTrovaScadenzario(std::function<QString()> file, QWidget* parent = nullptr);
};
