#include "checks/TfrmPartitaIva.h"

#include "checks/PartitaIva.h"

using namespace Qt::StringLiterals;

TfrmPartitaIva::TfrmPartitaIva(QWidget* parent)
    : CheckWindow({.window = u"TfrmPartitaIva"_s,
                   .caption = u" Controllo partita IVA"_s,
                   .instruction = u"Immettere il numero di partita IVA e premere il pulsante di controllo."_s,
                   .input = u"txtPartitaIva"_s,
                   .inputName = u"Partita IVA"_s,
                   .maxLength = 11,
                   .digitsOnly = true,
                   .upperCaseTrimmed = false,
                   .check = &PartitaIva::check,
                   .artwork = u":/artwork/partita_iva.svg"_s,
                   .pictureName = u"Partita IVA"_s},
                  parent)
{}
