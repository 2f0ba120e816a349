#pragma once

class QWidget;

// The amount and whole-number fields of a window.
namespace NumberFields {

// What a Save checks and does before reading the fields. An amount field whose text cannot be read
// ("1,2,3") is said so, gets the focus and stops the Save (false). Otherwise the field that has the
// window's focus is written in its normal form, as leaving it would: a command picture takes no focus,
// so the field being edited when it is clicked is never left, and would otherwise be stored as typed
// ("007", "12,5"). The other fields were normalised when they were left.
bool readyToSave(const QWidget* window);

} // namespace NumberFields
