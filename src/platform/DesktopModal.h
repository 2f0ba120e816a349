#pragma once

#include "platform/Modal.h"

// Runs the dialog's own modal loop, the dialog centred inside the available screen area.
class DesktopModal : public Modal
{
public:
    int exec(QDialog& dialog) override;
};
