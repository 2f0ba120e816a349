#pragma once

#include "checks/CheckResult.h"

#include <QString>
#include <QStringView>

// The Italian partita IVA: 11 digits, the last a check digit, digits 8 to 10 the issuing VAT office.
namespace PartitaIva {

// The input as the check window holds it: its digits only (the window's keys admit nothing else).
QString normaliseInput(QStringView typed);

// The 11th digit (0..9) for the first ten; -1 when first10 is not ten digits.
int checkDigit(QStringView first10);

// The verdict of "Controlla" on the input; a valid number names its office (see VatOffices).
CheckResult check(QStringView input);

bool isValid(QStringView input);

} // namespace PartitaIva
