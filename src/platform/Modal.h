#pragma once

class QDialog;

// Shows a window created for one use modally and returns its result once it closes.
class Modal
{
public:
    virtual ~Modal() = default;
    virtual int exec(QDialog& dialog) = 0;
};
