#pragma once

#include "shell/CardScreen.h"

// The client card: the client archive one card at a time, and the operator's hub during a call.
class TfrmClienti : public CardScreen
{
    Q_OBJECT

public:
    explicit TfrmClienti(WindowRegistry& registry);

private:
    void btnEmailClick();
};
