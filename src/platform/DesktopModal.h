#pragma once

#include "platform/Modal.h"

// Runs the dialog's own modal loop.
class DesktopModal : public Modal
{
public:
    int exec(QDialog& dialog) override;
};
