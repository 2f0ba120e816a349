#pragma once

#include "demo/DemoRandom.h"

#include <QChar>
#include <QDate>
#include <QString>
#include <QStringView>

// Italian identifiers made the way the issuers make them; the check characters come from the checks
// the program applies, so every identifier made here passes them.
namespace DemoIdentity {

// The codice fiscale of a person: surname and name codes, year, month letter, day (plus 40 for women),
// cadastral code of the town of birth and the check character.
QString codiceFiscale(QStringView surname, QStringView name, QDate birth, QChar sex,
                      QStringView cadastralCode);

// A partita IVA: seven digits of registration number, the three of the revenue office, the check digit.
QString partitaIva(DemoRandom& random, int vatOffice);

// An Italian IBAN of 27 characters: check digits, CIN, ABI, a CAB and a twelve-digit account.
QString iban(DemoRandom& random, QStringView abi);

// A card number of a real circuit (Visa, Mastercard, American Express) with its Luhn digit.
QString cardNumber(DemoRandom& random);

// count random decimal digits.
QString digits(DemoRandom& random, int count);

// Letters, digits and dots only, lower case, accents and apostrophes dropped: for e-mail addresses.
QString asciiWord(QStringView text);

} // namespace DemoIdentity
