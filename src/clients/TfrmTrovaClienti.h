#pragma once

#include "screens/SearchWindow.h"

// The client search and picker " Trova clienti in archivio": ten criteria over Clienti.pro; a double
// click fills the caller named by the tag in lblMemory ("clienti", "chiamate", "registro",
// "scadenzario", "riepilogo").
class TfrmTrovaClienti : public SearchWindow
{
    Q_OBJECT

public:
    explicit TfrmTrovaClienti(QWidget* parent = nullptr);
};
