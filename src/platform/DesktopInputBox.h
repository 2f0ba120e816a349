#pragma once

#include "platform/InputBox.h"

// Qt's one-line input dialog.
class DesktopInputBox : public InputBox
{
public:
    std::optional<QString> text(QWidget* parent, const QString& title, const QString& prompt,
                                const QString& initial, const Prepare& prepare) override;
};
