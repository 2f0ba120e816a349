#pragma once

#include "platform/Messages.h"

// Message boxes of the desktop, with Qt's buttons (translated into Italian at start-up).
class DesktopMessages : public Messages
{
public:
    bool show(Kind kind, const QString& text) override;
};
