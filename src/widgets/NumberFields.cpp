#include "widgets/NumberFields.h"

#include "widgets/AmountField.h"
#include "widgets/WholeNumberField.h"

#include <QWidget>

namespace NumberFields {

void normaliseFocused(const QWidget* window)
{
    const QWidget* focused = window->focusWidget();
    if (!focused)
        return;
    if (auto* amount = focused->findChild<AmountField*>(QString(), Qt::FindDirectChildrenOnly))
        amount->normalise();
    else if (auto* whole = focused->findChild<WholeNumberField*>(QString(), Qt::FindDirectChildrenOnly))
        whole->normalise();
}

bool amountsReadable(const QWidget* window)
{
    for (AmountField* amount : window->findChildren<AmountField*>()) {
        if (!amount->isReadable()) {
            amount->refuse();
            return false;
        }
    }
    return true;
}

} // namespace NumberFields
