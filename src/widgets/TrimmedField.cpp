#include "widgets/TrimmedField.h"

#include "widgets/FieldRule.h"

namespace TrimmedField {

void attach(QLineEdit* input)
{
    FieldRule::attach(input, FieldRule::Kind::Trimmed);
}

} // namespace TrimmedField
