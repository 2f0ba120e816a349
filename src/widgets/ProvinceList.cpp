#include "widgets/ProvinceList.h"

#include "rules/ValueLists.h"
#include "widgets/DeliberatePick.h"
#include "widgets/FieldRule.h"
#include "widgets/ListSelection.h"

#include <QComboBox>
#include <QLineEdit>

namespace ProvinceList {

void attach(QComboBox* list)
{
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->addItems(ValueLists::provinces());
    list->lineEdit()->setMaxLength(2);
    FieldRule::attach(list->lineEdit(), FieldRule::Kind::UpperCaseTrimmed);
    ListSelection::empty(list);
    DeliberatePick::attach(list);
}

} // namespace ProvinceList
