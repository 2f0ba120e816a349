#include "checks/TfrmIban.h"

#include "checks/Iban.h"

using namespace Qt::StringLiterals;

TfrmIban::TfrmIban(QWidget* parent)
    : CheckWindow({.window = u"TfrmIban"_s,
                   .caption = u" Controllo IBAN"_s,
                   .instruction = u"Immettere l'IBAN e premere il pulsante di controllo."_s,
                   .input = u"txtIban"_s,
                   .inputName = u"IBAN"_s,
                   .maxLength = 27,
                   .digitsOnly = false,
                   .upperCaseTrimmed = true,
                   .blanksDropped = true,
                   .check = &Iban::check,
                   .artwork = u":/artwork/iban.svg"_s,
                   .pictureName = u"IBAN"_s},
                  parent)
{}
