#include "widgets/TrimmedField.h"

#include "widgets/LeavingFocus.h"
#include "widgets/TextReplacement.h"

#include <QEvent>
#include <QLineEdit>

TrimmedField* TrimmedField::attach(QLineEdit* input)
{
    return new TrimmedField(input);
}

TrimmedField::TrimmedField(QLineEdit* input) : QObject(input), m_input(input)
{
    connect(input, &QLineEdit::textEdited, this, &TrimmedField::apply);
    input->installEventFilter(this);
}

void TrimmedField::apply()
{
    TextReplacement::replace(m_input, m_input->text().trimmed());
}

bool TrimmedField::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_input && LeavingFocus::isLeaving(event))
        apply();
    return false;
}
