#pragma once

#include <QString>

// The provincial VAT offices that issue partite IVA, by the three-digit code of digits 8 to 10.
namespace VatOffices {

// The office of code 1..121 ("Napoli 1" for 63); empty for a code not in the table.
QString name(int code);

// How many codes the table holds.
int count();

} // namespace VatOffices
