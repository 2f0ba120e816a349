#pragma once

class QWidget;

// The amount and whole-number fields of a window.
namespace NumberFields {

// Writes the field that has the window's focus in its normal form, as leaving it would: a command
// picture takes no focus, so the field being edited when it is clicked is never left, and would
// otherwise be stored as typed ("1,2,3", "007"). The other fields were normalised when they were left.
void normaliseFocused(const QWidget* window);

} // namespace NumberFields
