#pragma once

#include "platform/Shell.h"

// Opens targets with the desktop's default programs. A missing file or folder is reported, as a
// desktop's own "open" would; a mail link the desktop cannot serve is not.
class DesktopShell : public Shell
{
public:
    void open(const QString& target) override;
    void openMail(const MailMessage& mail) override;
};
