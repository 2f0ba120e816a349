#pragma once

#include "checks/CheckResult.h"

#include <QString>
#include <QStringView>

// A payment card number: the Luhn check (ISO/IEC 7812-1) and the circuit named by its first digits.
namespace CreditCard {

// The input as the check window holds it: its digits only (the window's keys admit nothing else).
QString normaliseInput(QStringView typed);

// The last digit (0..9) that makes the number pass the Luhn check; -1 unless the text is all digits.
int luhnCheckDigit(QStringView digitsWithoutLast);

// The verdict of "Controlla" on the input: the digits among its first 20 characters must pass the Luhn
// check and start with a known circuit; 32 and 39 give no message at all.
CheckResult check(QStringView input);

bool isValid(QStringView input);

} // namespace CreditCard
