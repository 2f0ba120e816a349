#include "widgets/KeyFilter.h"

#include <QClipboard>
#include <QGuiApplication>
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
    // A drop would bring in any text; a field of digits takes its text from the keyboard only.
    input->setAcceptDrops(false);
    input->installEventFilter(this);
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
    if (key->matches(QKeySequence::Paste)) {
        QString pasted = QGuiApplication::clipboard()->text();
        pasted.removeIf([this](QChar c) { return !m_accepted.contains(c); });
        m_input->insert(pasted);
        return true;
    }
    // Shortcuts (copy, cut, select all, undo) and keys that type nothing pass.
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = key->text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return false;
    return !accepts(text);
}
