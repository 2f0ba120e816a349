#pragma once

#include <QString>

struct MailMessage;

// The desktop's "open" action: hands a file path, a folder or a "mailto:" link to its default program.
// The target is one string, enclosed in double quotes where it is a path or a mail link.
class Shell
{
public:
    virtual ~Shell() = default;
    virtual void open(const QString& target) = 0;
    // Opens a new message in the default mail program.
    virtual void openMail(const MailMessage& mail) = 0;
};
