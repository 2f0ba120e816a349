#include "widgets/UpperCaseField.h"

#include "widgets/TextReplacement.h"

#include <QLineEdit>

UpperCaseField* UpperCaseField::attach(QLineEdit* input, Trim trim)
{
    return new UpperCaseField(input, trim);
}

UpperCaseField::UpperCaseField(QLineEdit* input, Trim trim) : QObject(input), m_input(input), m_trim(trim)
{
    connect(input, &QLineEdit::textEdited, this, &UpperCaseField::apply);
}

void UpperCaseField::apply()
{
    const QString text = m_input->text();
    TextReplacement::replace(m_input, m_trim == Trim::Yes ? text.trimmed().toUpper() : text.toUpper());
}
