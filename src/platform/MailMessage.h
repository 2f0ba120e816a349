#pragma once

#include <QString>
#include <QUrl>

// A message handed to the default mail program: its address, subject and body kept apart, so that an
// "&", "#" or "?" in one of them never cuts another short.
struct MailMessage
{
    QString address;
    QString subject;
    QString body;

    // "mailto:" + address + "?subject=" + subject + "&body=" + body as a person reads it, unencoded.
    QString text() const;
    // The same link with address, subject and body each percent-encoded whole.
    QUrl url() const;
};
