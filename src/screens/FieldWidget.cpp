#include "screens/FieldWidget.h"

#include "rules/ValueLists.h"
#include "widgets/AmountField.h"
#include "widgets/FieldRule.h"
#include "widgets/KeyFilter.h"
#include "widgets/ProvinceList.h"
#include "widgets/TrimmedField.h"
#include "widgets/UpperCaseField.h"
#include "widgets/WholeNumberField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

int maxLength(const CardField& field, int width)
{
    return field.maxLength > 0 ? field.maxLength : width;
}

QLineEdit* lineEdit(QWidget* parent, const CardField& field, int width)
{
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(maxLength(field, width));
    switch (field.kind) {
    case FieldKind::UpperCase:
        UpperCaseField::attach(edit);
        break;
    case FieldKind::UpperCaseTrimmed:
        UpperCaseField::attach(edit, UpperCaseField::Trim::Yes);
        break;
    case FieldKind::Code:
        UpperCaseField::attach(edit, UpperCaseField::Trim::AllBlanks);
        break;
    case FieldKind::Trimmed:
        TrimmedField::attach(edit);
        break;
    case FieldKind::DigitsOnly:
        KeyFilter::digitsOnly(edit);
        break;
    case FieldKind::Amount:
        AmountField::attach(edit);
        break;
    case FieldKind::WholeNumber:
        WholeNumberField::attach(edit);
        break;
    default:
        break;
    }
    return edit;
}

QComboBox* list(QWidget* parent, const CardField& field, int width, FixedList::Keys keys)
{
    auto* list = new QComboBox(parent);
    list->setMaxVisibleItems(16);
    switch (field.kind) {
    case FieldKind::Province:
        ProvinceList::attach(list);
        break;
    case FieldKind::Day:
        FixedList::attach(list, ValueLists::days(), keys);
        break;
    case FieldKind::Month:
        FixedList::attach(list, ValueLists::monthNames(), keys);
        break;
    case FieldKind::Hour:
        FixedList::attach(list, ValueLists::hours(), keys);
        break;
    default:
        FixedList::attach(list, ValueLists::minutes(), keys);
        break;
    }
    FieldRule::setMaxLength(list->lineEdit(), maxLength(field, width));
    // A list of fixed values is as wide as its longest value, not as the room around it.
    if (field.kind != FieldKind::Province) {
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        list->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    }
    return list;
}

// The year of a register stands out inside its date box.
QLabel* shownLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.5);
    label->setFont(font);
    return label;
}

} // namespace

namespace FieldWidget {

QString captionName(const QString& control)
{
    qsizetype prefix = 0;
    while (prefix < control.size() && control.at(prefix).isLower())
        ++prefix;
    return QStringLiteral("cap") + control.mid(prefix);
}

QWidget* create(QWidget* parent, const CardField& field, int width, FixedList::Keys listKeys)
{
    QWidget* widget = nullptr;
    switch (field.kind) {
    case FieldKind::Province:
    case FieldKind::Day:
    case FieldKind::Month:
    case FieldKind::Hour:
    case FieldKind::Minute:
        widget = list(parent, field, width, listKeys);
        break;
    case FieldKind::Flag:
        widget = new QCheckBox(field.label, parent);
        break;
    case FieldKind::Hidden:
        widget = new QLabel(parent);
        widget->hide();
        break;
    case FieldKind::Label:
        widget = shownLabel(parent);
        break;
    default:
        widget = lineEdit(parent, field, width);
        break;
    }
    widget->setObjectName(field.control);
    return widget;
}

} // namespace FieldWidget
