#include "widgets/WholeNumberField.h"

#include "rules/NumberText.h"
#include "widgets/KeyFilter.h"
#include "widgets/LeavingFocus.h"

#include <QLineEdit>

WholeNumberField* WholeNumberField::attach(QLineEdit* input)
{
    return new WholeNumberField(input);
}

WholeNumberField::WholeNumberField(QLineEdit* input) : QObject(input), m_input(input)
{
    KeyFilter::wholeNumber(input);
    input->installEventFilter(this);
}

void WholeNumberField::normalise()
{
    m_input->setText(NumberText::normaliseWhole(m_input->text()));
}

bool WholeNumberField::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_input && LeavingFocus::isLeaving(event))
        normalise();
    return false;
}
