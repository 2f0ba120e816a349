#include "checks/TfrmCodFisc.h"

#include "checks/CodiceFiscale.h"

using namespace Qt::StringLiterals;

TfrmCodFisc::TfrmCodFisc(QWidget* parent)
    : CheckWindow({.window = u"TfrmCodFisc"_s,
                   .caption = u" Controllo codice fiscale"_s,
                   .instruction = u"Immettere il codice fiscale e premere il pulsante di controllo."_s,
                   .input = u"txtCodFisc"_s,
                   .inputName = u"Codice fiscale"_s,
                   .maxLength = 16,
                   .digitsOnly = false,
                   .upperCaseTrimmed = true,
                   .blanksDropped = true,
                   .check = &CodiceFiscale::check,
                   .artwork = u":/artwork/codice_fiscale.svg"_s,
                   .pictureName = u"Codice fiscale"_s},
                  parent)
{}
