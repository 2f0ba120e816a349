#pragma once

#include <QString>

class QWidget;

// The text of any control of a form, read and written the same way by every window built from a table.
namespace ControlText {

// An input's text, a list's text, a label's text, "Sì" or "No" for a check box; empty for anything else.
QString of(const QWidget* control);
// An input or a list shows the text as it is, whatever its rule; a check box is ticked by "Sì", cleared by
// "No" and left as it is by any other text.
void set(QWidget* control, const QString& text);

} // namespace ControlText
