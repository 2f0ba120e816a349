#include "RecordedMessages.h"

#include <QTest>
#include <utility>

bool RecordedMessages::show(Kind kind, const QString& text)
{
    m_shown.append({kind, text});
    if (kind != Kind::Question)
        return true;
    return !m_answers.isEmpty() && m_answers.dequeue();
}

QList<RecordedMessages::Shown> RecordedMessages::take()
{
    return std::exchange(m_shown, {});
}

char* toString(const RecordedMessages::Shown& shown)
{
    static const char* const kinds[] = {"information", "warning", "error", "question", "plain"};
    const QString text =
        QStringLiteral("%1: %2").arg(QLatin1StringView(kinds[static_cast<int>(shown.kind)]), shown.text);
    return QTest::toString(text);
}
