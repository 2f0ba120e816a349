#include "widgets/KeyFilter.h"

#include "widgets/TextReplacement.h"

#include <QKeyEvent>
#include <QLineEdit>

using namespace Qt::StringLiterals;

KeyFilter* KeyFilter::digitsOnly(QLineEdit* input)
{
    return new KeyFilter(input, u"0123456789"_s);
}

KeyFilter* KeyFilter::amount(QLineEdit* input)
{
    return new KeyFilter(input, u"0123456789,"_s);
}

KeyFilter::KeyFilter(QLineEdit* input, QString accepted)
    : QObject(input), m_input(input), m_accepted(std::move(accepted))
{
    input->installEventFilter(this);
    // Every change the user makes, typed or not, is reported as an edit; texts the program puts in are
    // shown as they are.
    connect(input, &QLineEdit::textEdited, this, &KeyFilter::dropRefused);
}

bool KeyFilter::accepts(const QString& text) const
{
    for (const QChar c : text)
        if (!m_accepted.contains(c))
            return false;
    return true;
}

void KeyFilter::dropRefused()
{
    TextReplacement::keepOnly(m_input, m_accepted);
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
    return !accepts(text);
}
