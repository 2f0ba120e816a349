#pragma once

#include "platform/MailMessage.h"
#include "platform/Shell.h"

#include <QList>
#include <QStringList>

// Records every target handed to the desktop's "open" action, and every mail opened.
class RecordedShell : public Shell
{
public:
    void open(const QString& target) override { m_opened.append(target); }
    void openMail(const MailMessage& mail) override { m_mails.append(mail); }
    const QStringList& opened() const { return m_opened; }
    const QList<MailMessage>& mails() const { return m_mails; }

private:
    QStringList m_opened;
    QList<MailMessage> m_mails;
};
