#include "checks/TfrmCarta.h"

#include "checks/CreditCard.h"

using namespace Qt::StringLiterals;

TfrmCarta::TfrmCarta(QWidget* parent)
    : CheckWindow(
          {.window = u"TfrmCarta"_s,
           .caption = u" Controllo carta di credito"_s,
           .instruction = u"Immettere il numero di carta di credito e premere il pulsante di controllo."_s,
           .input = u"txtNumero"_s,
           .inputName = u"Numero di carta di credito"_s,
           .maxLength = 30,
           .digitsOnly = true,
           .upperCaseTrimmed = true,
           .check = &CreditCard::check,
           .artwork = u":/artwork/carta.svg"_s,
           .pictureName = u"Carta di credito"_s},
          parent)
{}
