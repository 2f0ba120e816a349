#pragma once

#include <QStringView>

// Which check the tax-code button of a card opens: a code made only of digits is a firm's VAT number,
// anything else (an empty field too) a codice fiscale.
namespace TaxCodeCheck {

enum class Window { CodiceFiscale, PartitaIva };

Window windowFor(QStringView taxCode);

} // namespace TaxCodeCheck
