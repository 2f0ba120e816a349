#include "platform/ShellTarget.h"

namespace ShellTarget {

QString unquoted(const QString& target)
{
    const QString trimmed = target.trimmed();
    if (trimmed.size() >= 2 && trimmed.startsWith(u'"') && trimmed.endsWith(u'"'))
        return trimmed.mid(1, trimmed.size() - 2);
    return trimmed;
}

namespace {

QUrl mailUrl(const QString& link)
{
    const QString rest = link.mid(QStringLiteral("mailto:").size());
    const qsizetype questionMark = rest.indexOf(u'?');
    const QString address = questionMark < 0 ? rest : rest.left(questionMark);
    QByteArray encoded = "mailto:" + QUrl::toPercentEncoding(address, "@");
    if (questionMark >= 0) {
        QByteArrayList items;
        for (const QString& item : rest.mid(questionMark + 1).split(u'&')) {
            const qsizetype equals = item.indexOf(u'=');
            if (equals < 0)
                items << QUrl::toPercentEncoding(item);
            else
                items << QUrl::toPercentEncoding(item.left(equals)) + '=' +
                             QUrl::toPercentEncoding(item.mid(equals + 1));
        }
        encoded += '?' + items.join('&');
    }
    return QUrl::fromEncoded(encoded, QUrl::StrictMode);
}

} // namespace

QUrl url(const QString& target)
{
    const QString text = unquoted(target);
    if (text.startsWith(QStringLiteral("mailto:"), Qt::CaseInsensitive))
        return mailUrl(text);
    if (text.startsWith(QStringLiteral("http://"), Qt::CaseInsensitive) ||
        text.startsWith(QStringLiteral("https://"), Qt::CaseInsensitive))
        return QUrl(text);
    return QUrl::fromLocalFile(text);
}

} // namespace ShellTarget
