#include "widgets/UpperCaseField.h"

#include "widgets/FieldRule.h"

namespace UpperCaseField {

void attach(QLineEdit* input, Trim trim)
{
    switch (trim) {
    case Trim::No:
        FieldRule::attach(input, FieldRule::Kind::UpperCase);
        break;
    case Trim::Yes:
        FieldRule::attach(input, FieldRule::Kind::UpperCaseTrimmed);
        break;
    case Trim::AllBlanks:
        FieldRule::attach(input, FieldRule::Kind::Code);
        break;
    }
}

} // namespace UpperCaseField
