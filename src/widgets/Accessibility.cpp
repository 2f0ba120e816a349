#include "widgets/Accessibility.h"

#include "widgets/AccessibleEvents.h"
#include "widgets/LineEditInterface.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

const char* const captionProperty = "accessibleCaption";
const char* const statusLineProperty = "accessibleStatusLine";

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

// A window's status line, which screen readers find by its role and read on request.
class StatusLineInterface : public QAccessibleWidget
{
public:
    explicit StatusLineInterface(QLabel* label) : QAccessibleWidget(label, QAccessible::StatusBar) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name || kind == QAccessible::Value)
            return static_cast<const QLabel*>(object())->text().trimmed();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* labelFactory(const QString&, QObject* object)
{
    auto* label = qobject_cast<QLabel*>(object);
    if (label && label->property(captionProperty).isValid())
        return new ValueLabelInterface(label);
    if (label && label->property(statusLineProperty).toBool())
        return new StatusLineInterface(label);
    return nullptr;
}

// Drops the interface Qt may have made for the label before it was given its own.
void forgetPlainInterface(QLabel* label)
{
    QAccessibleInterface* known = QAccessible::queryAccessibleInterface(label);
    if (known && !dynamic_cast<ValueLabelInterface*>(known) && !dynamic_cast<StatusLineInterface*>(known))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(known));
}

} // namespace

namespace Accessibility {

void install()
{
    static const bool installed = [] {
        QAccessible::installFactory(labelFactory);
        QAccessible::installFactory(LineEditInterface::factory);
        AccessibleEvents::install();
        return true;
    }();
    Q_UNUSED(installed);
}

void describe(QWidget* control, const QString& name, const QString& hint)
{
    install();
    control->setAccessibleName(name);
    // A screen reader speaks the buddy label's name for the input: the same words, unless told apart.
    if (QWidget* around = control->parentWidget())
        for (QLabel* caption : around->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
            if (caption->buddy() == control)
                caption->setAccessibleName(name == withoutColon(caption->text()) ? QString() : name);
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
    value->setProperty(captionProperty, withoutColon(caption));
    describe(value, QString(), hint);
    // A text set before, while a screen reader listened, may have left the plain label's interface in
    // the cache: drop it, so that the next question finds the value label's.
    forgetPlainInterface(value);
}

void statusLine(QLabel* line)
{
    install();
    line->setProperty(statusLineProperty, true);
    forgetPlainInterface(line);
}

} // namespace Accessibility
