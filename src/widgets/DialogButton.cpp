#include "widgets/DialogButton.h"

#include "widgets/Accessibility.h"

#include <QPushButton>

namespace DialogButton {

QPushButton* create(const QString& name, const QString& caption, const QString& hint, Style style)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    if (!style.autoDefault)
        button->setAutoDefault(false);
    if (style.minimumWidth > 0)
        button->setMinimumWidth(style.minimumWidth);
    Accessibility::describe(button, caption, hint);
    return button;
}

} // namespace DialogButton
