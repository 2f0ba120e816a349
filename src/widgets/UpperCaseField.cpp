#include "widgets/UpperCaseField.h"

#include "widgets/TextReplacement.h"

#include <QEvent>
#include <QLineEdit>

UpperCaseField* UpperCaseField::attach(QLineEdit* input, When when, Trim trim)
{
    return new UpperCaseField(input, when, trim);
}

UpperCaseField::UpperCaseField(QLineEdit* input, When when, Trim trim)
    : QObject(input), m_input(input), m_trim(trim)
{
    if (when == When::Typing)
        connect(input, &QLineEdit::textEdited, this, &UpperCaseField::apply);
    else
        input->installEventFilter(this);
}

void UpperCaseField::apply()
{
    const QString text = m_input->text();
    TextReplacement::replace(m_input, m_trim == Trim::Yes ? text.trimmed().toUpper() : text.toUpper());
}

bool UpperCaseField::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_input && event->type() == QEvent::KeyRelease)
        apply();
    return false;
}
