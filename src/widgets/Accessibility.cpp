#include "widgets/Accessibility.h"

#include <QLabel>

namespace Accessibility {

void describe(QWidget* control, const QString& name, const QString& hint)
{
    control->setAccessibleName(name);
    control->setAccessibleDescription(hint);
}

void label(QLabel* label, QWidget* input, const QString& hint)
{
    label->setBuddy(input);
    QString name = label->text().trimmed();
    if (name.endsWith(u':'))
        name.chop(1);
    describe(input, name.trimmed(), hint);
}

} // namespace Accessibility
