#include "screens/HelpTopic.h"

namespace {
const QString separator = QStringLiteral("\r\n\r\n");
}

HelpTopic HelpTopic::fromParagraphs(const QString& title, const QStringList& paragraphs)
{
    return {title, paragraphs.join(separator)};
}

QStringList HelpTopic::paragraphs() const
{
    return text.split(separator, Qt::SkipEmptyParts);
}
