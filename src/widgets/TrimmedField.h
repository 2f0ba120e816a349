#pragma once

class QLineEdit;

// An input whose text never starts or ends with blanks, however it arrives.
namespace TrimmedField {

void attach(QLineEdit* input);

} // namespace TrimmedField
