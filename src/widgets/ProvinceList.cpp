#include "widgets/ProvinceList.h"

#include "rules/ValueLists.h"
#include "widgets/DeliberatePick.h"
#include "widgets/LeavingFocus.h"
#include "widgets/ListSelection.h"
#include "widgets/TextReplacement.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>

ProvinceList* ProvinceList::attach(QComboBox* list)
{
    return new ProvinceList(list);
}

ProvinceList::ProvinceList(QComboBox* list) : QObject(list), m_list(list)
{
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->addItems(ValueLists::provinces());
    list->lineEdit()->setMaxLength(2);
    ListSelection::clear(list);
    DeliberatePick::attach(list);
    connect(list->lineEdit(), &QLineEdit::textEdited, this, &ProvinceList::normalise);
    list->installEventFilter(this);
}

void ProvinceList::normalise()
{
    TextReplacement::replace(m_list->lineEdit(), m_list->lineEdit()->text().trimmed().toUpper());
}

bool ProvinceList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list && LeavingFocus::isLeaving(event))
        normalise();
    return false;
}
