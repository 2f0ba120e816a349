#pragma once

#include <QList>

class QString;
class QWidget;

// Tells a screen reader what changed away from the control the operator is on: the card now shown, what
// a picker brought in, how many cards a search found, a warning that appeared. The window's hidden
// notification takes the text and shows itself once the window is back in front, after the reader has
// heard what took the focus, so that the reader says it instead of staying silent.
namespace Announcement {

void say(QWidget* from, const QString& text);
// Says each control that holds a value by its spoken name and that value ("Codice: ART-0001"), in order.
void sayValues(QWidget* from, const QList<QWidget*>& controls);

} // namespace Announcement
