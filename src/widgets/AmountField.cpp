#include "widgets/AmountField.h"

#include "rules/NumberText.h"
#include "widgets/KeyFilter.h"
#include "widgets/LeavingFocus.h"

#include <QLineEdit>

AmountField* AmountField::attach(QLineEdit* input)
{
    return new AmountField(input);
}

AmountField::AmountField(QLineEdit* input) : QObject(input), m_input(input)
{
    KeyFilter::amount(input);
    input->installEventFilter(this);
}

void AmountField::normalise()
{
    m_input->setText(NumberText::normaliseAmount(m_input->text(), 4));
}

bool AmountField::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_input && LeavingFocus::isLeaving(event))
        normalise();
    return false;
}
