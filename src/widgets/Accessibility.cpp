#include "widgets/Accessibility.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

const char* const captionProperty = "accessibleCaption";

QString withoutColon(QString text)
{
    text = text.trimmed();
    if (text.endsWith(u':'))
        text.chop(1);
    return text.trimmed();
}

// A value label's name joins its caption and its current text. The label itself keeps no accessible
// name, so that changing its text still tells the screen reader that the name changed.
class ValueLabelInterface : public QAccessibleWidget
{
public:
    explicit ValueLabelInterface(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override
    {
        const auto* label = static_cast<const QLabel*>(object());
        const QString shown = label->text().trimmed();
        const QString caption = label->property(captionProperty).toString();
        switch (kind) {
        case QAccessible::Name:
            return shown.isEmpty() ? caption : caption + QStringLiteral(": ") + shown;
        case QAccessible::Value:
            return shown;
        default:
            return QAccessibleWidget::text(kind);
        }
    }
};

QAccessibleInterface* valueLabelFactory(const QString&, QObject* object)
{
    auto* label = qobject_cast<QLabel*>(object);
    if (label && label->property(captionProperty).isValid())
        return new ValueLabelInterface(label);
    return nullptr;
}

} // namespace

namespace Accessibility {

void describe(QWidget* control, const QString& name, const QString& hint)
{
    control->setAccessibleName(name);
    control->setAccessibleDescription(hint);
    // An editable list hands the keyboard to its line, which a screen reader then names in its stead.
    if (auto* list = qobject_cast<QComboBox*>(control); list && list->lineEdit()) {
        list->lineEdit()->setAccessibleName(name);
        list->lineEdit()->setAccessibleDescription(hint);
    }
}

void label(QLabel* label, QWidget* input, const QString& hint)
{
    label->setBuddy(input);
    describe(input, withoutColon(label->text()), hint);
}

void value(QLabel* value, const QString& caption, const QString& hint)
{
    static const bool installed = [] {
        QAccessible::installFactory(valueLabelFactory);
        return true;
    }();
    Q_UNUSED(installed);
    value->setProperty(captionProperty, withoutColon(caption));
    describe(value, QString(), hint);
    // A text set before, while a screen reader listened, may have left the plain label's interface in
    // the cache: drop it, so that the next question finds the value label's.
    QAccessibleInterface* known = QAccessible::queryAccessibleInterface(value);
    if (known && !dynamic_cast<ValueLabelInterface*>(known))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(known));
}

} // namespace Accessibility
