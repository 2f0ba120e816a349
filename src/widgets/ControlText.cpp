#include "widgets/ControlText.h"

#include "widgets/FieldRule.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

const QString kYes = u"Sì"_s;
const QString kNo = u"No"_s;

} // namespace

namespace ControlText {

QString of(const QWidget* control)
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    if (const auto* list = qobject_cast<const QComboBox*>(control))
        return list->currentText();
    if (const auto* box = qobject_cast<const QCheckBox*>(control))
        return box->isChecked() ? kYes : kNo;
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    return {};
}

void set(QWidget* control, const QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        FieldRule::showAsIs(edit, text);
    } else if (auto* list = qobject_cast<QComboBox*>(control)) {
        if (list->lineEdit())
            FieldRule::showAsIs(list->lineEdit(), text);
        else
            list->setEditText(text);
    } else if (auto* box = qobject_cast<QCheckBox*>(control)) {
        if (text == kYes)
            box->setChecked(true);
        else if (text == kNo)
            box->setChecked(false);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
    }
}

} // namespace ControlText
