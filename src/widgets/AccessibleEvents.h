#pragma once

#include <functional>

class QAccessibleEvent;

// Stands between the program's accessibility events and the screen reader: the text a password field
// is given goes out masked, as the field shows it, and a line edit says nothing of its selection and
// cursor but while it has the focus and after its focus was announced (Tab selects a field's text before
// that, leaving it drops the selection: a reader would say either as if the operator had done it).
// Everything else passes as it is, to whatever listened before.
namespace AccessibleEvents {

// Takes its place once; later calls do nothing.
void install();

// What goes on of an event, handed to pass: the event itself, a masked copy, or nothing.
void filter(QAccessibleEvent* event, const std::function<void(QAccessibleEvent*)>& pass);

} // namespace AccessibleEvents
