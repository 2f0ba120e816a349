#pragma once

#include <QString>

class QPushButton;

// The push buttons of a dialog's button rows: named, captioned and described for screen readers in one call.
namespace DialogButton {

struct Style
{
    // 0 leaves the width to the caption.
    int minimumWidth = 96;
    // Off, Enter in the window's inputs never presses the button; on, Qt's rule for dialogs stays.
    bool autoDefault = false;
};

QPushButton* create(const QString& name, const QString& caption, const QString& hint = {}, Style style = {});

} // namespace DialogButton
