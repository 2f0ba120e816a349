#include "widgets/KeyFilter.h"

#include <QKeyEvent>
#include <QLineEdit>

using namespace Qt::StringLiterals;

KeyFilter* KeyFilter::digitsOnly(QLineEdit* input)
{
    return new KeyFilter(input, u"0123456789"_s, FieldRule::Kind::Digits);
}

KeyFilter* KeyFilter::wholeNumber(QLineEdit* input)
{
    return new KeyFilter(input, u"0123456789"_s, FieldRule::Kind::WholeNumber);
}

KeyFilter* KeyFilter::amount(QLineEdit* input)
{
    return new KeyFilter(input, u"0123456789,"_s, FieldRule::Kind::Amount);
}

KeyFilter::KeyFilter(QLineEdit* input, QString accepted, FieldRule::Kind rule)
    : QObject(input), m_input(input), m_accepted(std::move(accepted)),
      m_keypadComma(rule == FieldRule::Kind::Amount)
{
    input->installEventFilter(this);
    FieldRule::attach(input, rule);
}

bool KeyFilter::accepts(const QString& text) const
{
    for (const QChar c : text)
        if (!m_accepted.contains(c))
            return false;
    return true;
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_input || event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    // Shortcuts (paste, copy, cut, select all, undo) and keys that type nothing pass.
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = key->text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return false;
    if (m_keypadComma && (key->modifiers() & Qt::KeypadModifier) && (text == u"." || text == u",")) {
        if (!m_input->isReadOnly())
            m_input->insert(u","_s);
        return true;
    }
    return !accepts(text);
}
