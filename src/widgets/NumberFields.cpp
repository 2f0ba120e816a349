#include "widgets/NumberFields.h"

#include "widgets/AmountField.h"
#include "widgets/WholeNumberField.h"

#include <QWidget>

namespace NumberFields {

bool readyToSave(const QWidget* window)
{
    for (AmountField* amount : window->findChildren<AmountField*>()) {
        if (!amount->isReadable()) {
            amount->refuse();
            return false;
        }
    }
    const QWidget* focused = window->focusWidget();
    if (!focused)
        return true;
    if (auto* amount = focused->findChild<AmountField*>(QString(), Qt::FindDirectChildrenOnly))
        amount->normalise();
    else if (auto* whole = focused->findChild<WholeNumberField*>(QString(), Qt::FindDirectChildrenOnly))
        whole->normalise();
    return true;
}

} // namespace NumberFields
