#pragma once

#include "checks/CheckResult.h"

#include <QString>
#include <QStringView>

// The IBAN of an Italian bank account: 27 characters whose check digits satisfy ISO 7064 mod 97-10.
namespace Iban {

// The input as the check window holds it: trimmed and upper-cased.
QString normaliseInput(QStringView typed);

// The two check digits ("02".."98") of an IBAN of that country (two letters) and BBAN (digits and
// upper-case letters); empty when either holds another character.
QString checkDigits(QStringView country, QStringView bban);

// The verdict of "Controlla" on the input: 27 characters, then blanks and a leading "IBAN" dropped and
// the mod 97 check.
CheckResult check(QStringView input);

bool isValid(QStringView input);

} // namespace Iban
