#pragma once

#include "screens/SearchWindow.h"

// The operator search and picker " Trova operatori e agenti in archivio": ten criteria over
// Dipendenti.pro; a double click fills the caller named by the tag in lblMemory ("istruttori" the operator
// card, "scadenzario" and "scadenzario_op" the schedule's agent and operator).
class TfrmTrovaIstruttori : public SearchWindow
{
    Q_OBJECT

public:
    explicit TfrmTrovaIstruttori(QWidget* parent = nullptr);
};
