#pragma once

class FormTexts;

// The product card's calculation buttons and the number steps of its Save, on the card's controls by
// name (txtPrezzo, txtPercIva, txtPrezzo_con_Iva, txtCosto, txtGiacenza, txtValore, txtSottoscorta).
// Warnings go through the messages service.
namespace ProductCalculations {

// "Calcola": empty price, rate and price with VAT become zero; the price with VAT is recomputed. When a
// value cannot be read: the warning, the three fields back to zero, the focus to the price with VAT.
void calcola(FormTexts& card);

// "Scorpora": the price before VAT from the price with VAT and the rate; the rate is rewritten as read.
// When a value cannot be read: the warning, the three fields back to zero, the focus to the price with VAT.
void scorpora(FormTexts& card);

// "Calcola valore": empty cost, stock and value become zero; the value becomes cost × stock. When the
// cost or the stock cannot be read: a warning on that field, and nothing changes.
void calcolaValore(FormTexts& card);

// The number steps of Save, before anything is written: empty numbers become zero; stock and threshold
// are rounded to whole pieces; the price with VAT and the value are recomputed. When the stock, the
// threshold, the price, the rate or the cost cannot be read, a warning names that field, the focus goes
// there and false is returned with every number as it was (but for the empty ones, now zero).
bool prepareSave(FormTexts& card);

} // namespace ProductCalculations
