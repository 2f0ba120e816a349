#pragma once

#include "checks/CheckResult.h"

#include <QChar>
#include <QString>
#include <QStringView>

// The Italian codice fiscale of a person: 16 characters, the last a check character over the others.
namespace CodiceFiscale {

// The input as the check window holds it: trimmed and upper-cased.
QString normaliseInput(QStringView typed);

// The check character of 15 characters from 0-9 and A-Z; a null QChar for any other text.
QChar checkCharacter(QStringView first15);

// The verdict of "Controlla" on the input. Only the check character is verified; a 16-character code
// with any character outside 0-9 and A-Z is simply not valid.
CheckResult check(QStringView input);

bool isValid(QStringView input);

} // namespace CodiceFiscale
