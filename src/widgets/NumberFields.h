#pragma once

class QWidget;

// The amount and whole-number fields of a window.
namespace NumberFields {

// Writes each of them in its normal form, as leaving it would: the field being edited when a command
// picture, which takes no focus, is clicked is never stored as typed ("1,2,3", "007").
void normaliseAll(const QWidget* window);

} // namespace NumberFields
