#pragma once

#include <QString>

class QWidget;

// How the check buttons of the cards open their windows: a fresh window each time, the card's value
// (trimmed) in its input, shown modally and destroyed when it closes.
namespace CheckWindows {

enum class Check { CodiceFiscale, PartitaIva, Carta, Iban };

void open(Check check, QWidget* parent, const QString& value);

// The tax-code button of every card that has one: an empty field opens the codice fiscale check with
// an empty input, a field of digits only (a firm's code is its partita IVA) the partita IVA check,
// anything else the codice fiscale check.
void openTaxCode(QWidget* parent, const QString& taxCode);

} // namespace CheckWindows
