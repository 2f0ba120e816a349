#include "widgets/AmountField.h"

#include "platform/Messages.h"
#include "platform/Services.h"
#include "rules/NumberText.h"
#include "widgets/KeyFilter.h"
#include "widgets/LeavingFocus.h"

#include <QLineEdit>
#include <QTimer>

using namespace Qt::StringLiterals;

AmountField* AmountField::attach(QLineEdit* input)
{
    return new AmountField(input);
}

AmountField::AmountField(QLineEdit* input) : QObject(input), m_input(input)
{
    KeyFilter::amount(input);
    input->installEventFilter(this);
}

bool AmountField::isReadable() const
{
    return NumberText::readsAsAmount(m_input->text());
}

void AmountField::refuse()
{
    Services::messages().warning(u"Attenzione: il testo \""_s + m_input->text().trimmed() +
                                 u"\" non è un importo valido.\n\r\n\rIndicare l'importo in cifre, con una "
                                 u"sola virgola prima dei decimali."_s);
    m_input->setFocus(Qt::OtherFocusReason);
}

void AmountField::normalise()
{
    if (isReadable())
        m_input->setText(NumberText::normaliseAmount(m_input->text(), 4));
}

// Once the focus has settled: a Save that already refused the text has put the focus back, and a window
// that closed has nothing left to correct.
void AmountField::refuseIfLeftUnreadable()
{
    if (!isReadable() && m_input->isVisible() && m_input->window()->focusWidget() != m_input)
        refuse();
}

bool AmountField::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_input && LeavingFocus::isLeaving(event)) {
        if (isReadable())
            normalise();
        else
            QTimer::singleShot(0, this, &AmountField::refuseIfLeftUnreadable);
    }
    return false;
}
