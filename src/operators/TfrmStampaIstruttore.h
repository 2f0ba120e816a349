#pragma once

#include "screens/CardPrintWindow.h"

// " Stampa scheda": prints the operator card that opened it, as it is on screen when "Stampa" is
// pressed, saved or not, on the "SCHEDA INFORMATIVA DIPENDENTE" page.
class TfrmStampaIstruttore : public CardPrintWindow
{
    Q_OBJECT

public:
    explicit TfrmStampaIstruttore(QWidget* parent = nullptr);
};
