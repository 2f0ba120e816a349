#pragma once

#include <QString>

class QLabel;
class QWidget;

// Gives controls the names a screen reader speaks: an input its label's text, a picture its caption,
// and the status-line hint as the description.
namespace Accessibility {

// Puts the program's own accessible interfaces and its filter of accessibility events in place, before
// any window asks for one; later calls do nothing.
void install();

// A caption given as the input's buddy speaks for it too: a name that differs from the caption's text
// (two "Prov." told apart) names the caption as well.
void describe(QWidget* control, const QString& name, const QString& hint = {});

// Makes the label the input's buddy and names the input after the label's text (without its colon).
void label(QLabel* label, QWidget* input, const QString& hint = {});

// A label that shows a value (a record number, a total, a year): spoken as its caption followed by the
// text it shows at that moment ("Totale chiamate: 12"), and announced again whenever that text changes.
void value(QLabel* value, const QString& caption, const QString& hint = {});

// A window's status line: a status bar to a screen reader, which reads it when asked.
void statusLine(QLabel* line);

} // namespace Accessibility
