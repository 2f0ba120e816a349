#pragma once

class QComboBox;

// A province field: the list of the 112 province codes, which also takes any two characters typed or
// pasted, trimmed and upper-cased however they arrive. It starts empty; the wheel and the arrow keys
// leave its value as it is, and taking the focus leaves its selection alone.
namespace ProvinceList {

void attach(QComboBox* list);

} // namespace ProvinceList
