#pragma once

class QLineEdit;

// An input whose text is kept in upper case (trimmed too where asked) however it arrives: typed,
// pasted, dropped, through an input method, set by the program or through the accessibility interface.
namespace UpperCaseField {

// Yes: without blanks at either end; AllBlanks: without any blank, for codes pasted in groups.
enum class Trim { No, Yes, AllBlanks };

void attach(QLineEdit* input, Trim trim = Trim::No);

} // namespace UpperCaseField
