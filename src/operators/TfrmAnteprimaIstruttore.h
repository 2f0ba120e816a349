#pragma once

#include "screens/CardPrintWindow.h"

// " Anteprima di stampa": the print preview of the operator card that opened it, as it is on screen when
// "Mostra anteprima" is pressed, saved or not, on the "SCHEDA INFORMATIVA DIPENDENTE" page.
class TfrmAnteprimaIstruttore : public CardPrintWindow
{
    Q_OBJECT

public:
    explicit TfrmAnteprimaIstruttore(QWidget* parent = nullptr);
};
