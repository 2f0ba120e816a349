#include "platform/MailMessage.h"

QString MailMessage::text() const
{
    return QStringLiteral("mailto:") + address + QStringLiteral("?subject=") + subject +
           QStringLiteral("&body=") + body;
}

QUrl MailMessage::url() const
{
    const QByteArray encoded = "mailto:" + QUrl::toPercentEncoding(address, "@") +
                               "?subject=" + QUrl::toPercentEncoding(subject) +
                               "&body=" + QUrl::toPercentEncoding(body);
    return QUrl::fromEncoded(encoded, QUrl::StrictMode);
}
