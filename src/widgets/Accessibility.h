#pragma once

#include <QString>

class QLabel;
class QWidget;

// Gives controls the names a screen reader speaks: an input its label's text, a picture its caption,
// and the status-line hint as the description.
namespace Accessibility {

void describe(QWidget* control, const QString& name, const QString& hint = {});

// Makes the label the input's buddy and names the input after the label's text (without its colon).
void label(QLabel* label, QWidget* input, const QString& hint = {});

} // namespace Accessibility
