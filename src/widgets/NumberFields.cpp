#include "widgets/NumberFields.h"

#include "widgets/AmountField.h"
#include "widgets/WholeNumberField.h"

#include <QWidget>

namespace NumberFields {

void normaliseAll(const QWidget* window)
{
    for (AmountField* field : window->findChildren<AmountField*>())
        field->normalise();
    for (WholeNumberField* field : window->findChildren<WholeNumberField*>())
        field->normalise();
}

} // namespace NumberFields
