#include "widgets/UpperCaseField.h"

#include "widgets/FieldRule.h"

namespace UpperCaseField {

void attach(QLineEdit* input, Trim trim)
{
    FieldRule::attach(input,
                      trim == Trim::Yes ? FieldRule::Kind::UpperCaseTrimmed : FieldRule::Kind::UpperCase);
}

} // namespace UpperCaseField
