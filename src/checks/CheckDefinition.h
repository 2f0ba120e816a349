#pragma once

#include "checks/CheckResult.h"

#include <QString>
#include <QStringView>

// One check window as data: what it says, what its input takes and which check "Controlla" runs.
struct CheckDefinition
{
    QString window;                // class and object name: "TfrmCodFisc"
    QString caption;               // " Controllo codice fiscale"
    QString instruction;           // the line above the input
    QString input;                 // the input's object name: "txtCodFisc"
    QString inputName;             // what a screen reader calls the input
    int maxLength = 0;             // the most characters the user types
    bool digitsOnly = false;       // only digits typed; a pasted text loses everything else
    bool upperCaseTrimmed = false; // trimmed and upper-cased at every change typed
    bool blanksDropped = false;    // with upperCaseTrimmed: a code without any blank, pasted in groups
    CheckResult (*check)(QStringView input) = nullptr;
    QString artwork;     // the picture beside the instruction
    QString pictureName; // what the picture shows
};
