#pragma once

class QWidget;

// The amount and whole-number fields of a window, as a Save meets them.
namespace NumberFields {

// Writes the field that has the window's focus in its normal form, as leaving it would: a command
// picture takes no focus, so the field being edited when it is clicked is never left, and would
// otherwise be stored as typed ("007", "12,5"). An amount that cannot be read is left as it is. The other
// fields were normalised when they were left.
void normaliseFocused(const QWidget* window);

// The last step before a Save writes: an amount field whose text cannot be read ("1,2,3") is said so and
// gets the focus, and the Save stops (false), instead of storing 0,00 for what was typed.
bool amountsReadable(const QWidget* window);

} // namespace NumberFields
