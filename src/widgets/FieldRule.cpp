#include "widgets/FieldRule.h"

#include <QLineEdit>

namespace {

// The length a line edit allows of its own: no cut of its own before the rule's.
constexpr int kUnlimited = 32767;

bool isKept(FieldRule::Kind kind, QChar c, qsizetype keptSoFar)
{
    const bool digit = c >= u'0' && c <= u'9';
    switch (kind) {
    case FieldRule::Kind::Digits:
        return digit;
    case FieldRule::Kind::Amount:
        return digit || c == u',';
    case FieldRule::Kind::WholeNumber:
        return digit || (c == u'-' && keptSoFar == 0);
    case FieldRule::Kind::Code:
        return !c.isSpace();
    default:
        return true;
    }
}

bool trims(FieldRule::Kind kind)
{
    return kind == FieldRule::Kind::UpperCaseTrimmed || kind == FieldRule::Kind::Trimmed;
}

bool upperCases(FieldRule::Kind kind)
{
    return kind == FieldRule::Kind::UpperCase || kind == FieldRule::Kind::UpperCaseTrimmed ||
           kind == FieldRule::Kind::Code;
}

} // namespace

FieldRule* FieldRule::attach(QLineEdit* input, Kind kind)
{
    auto* rule = new FieldRule(input, kind);
    input->setValidator(rule);
    input->setMaxLength(kUnlimited);
    input->setText(input->text());
    return rule;
}

FieldRule::FieldRule(QLineEdit* input, Kind kind)
    : QValidator(input), m_kind(kind), m_length(input->maxLength())
{}

int FieldRule::maxLength(const QLineEdit* input)
{
    if (const auto* rule = qobject_cast<const FieldRule*>(input->validator()))
        return rule->m_length;
    return input->maxLength();
}

void FieldRule::setMaxLength(QLineEdit* input, int length)
{
    if (auto* rule = qobject_cast<FieldRule*>(const_cast<QValidator*>(input->validator())))
        rule->m_length = length;
    else
        input->setMaxLength(length);
}

void FieldRule::showAsIs(QLineEdit* input, const QString& text)
{
    auto* rule = qobject_cast<FieldRule*>(const_cast<QValidator*>(input->validator()));
    if (rule)
        rule->m_asIs = true;
    input->setText(text);
    if (rule)
        rule->m_asIs = false;
}

QString FieldRule::apply(Kind kind, const QString& text, int length, int& cursor)
{
    QString kept;
    kept.reserve(text.size());
    int keptBeforeCursor = 0;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar c = text.at(at);
        if (!isKept(kind, c, kept.size()))
            continue;
        kept.append(c);
        if (at < cursor)
            ++keptBeforeCursor;
    }
    if (trims(kind)) {
        qsizetype front = 0;
        while (front < kept.size() && kept.at(front).isSpace())
            ++front;
        kept = kept.mid(front).trimmed();
        keptBeforeCursor = qMax(0, keptBeforeCursor - int(front));
    }
    if (upperCases(kind))
        kept = kept.toUpper();
    kept.truncate(length);
    cursor = qBound(0, keptBeforeCursor, int(kept.size()));
    return kept;
}

QValidator::State FieldRule::validate(QString& text, int& cursor) const
{
    if (!m_asIs)
        text = apply(m_kind, text, m_length, cursor);
    return Acceptable;
}
