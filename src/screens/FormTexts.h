#pragma once

#include <QString>

// A window's controls as texts by name: what save checks read and what hooks fill, whether the window is
// a card screen or a quick entry.
class FormTexts
{
public:
    virtual ~FormTexts() = default;

    // An input's text, a list's text, a label's text, "Sì" or "No" for a check box.
    virtual QString text(const QString& control) const = 0;
    // Puts a text into a control; a check box is ticked by "Sì", cleared by "No" and left as it is by any
    // other text.
    virtual void setText(const QString& control, const QString& text) = 0;
    virtual void focusControl(const QString& control) = 0;
};
