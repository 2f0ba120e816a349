#pragma once

#include <functional>

class QAccessibleEvent;

// Stands between the program's accessibility events and the screen reader: the text a password field
// is given goes out masked, as the field shows it, and a line edit says nothing of its selection and
// cursor but while it has the focus and after its focus was announced, nor of the change made to it as
// the focus leaves it (Tab selects a field's text before its focus is announced, leaving it drops the
// selection and may write a number out in full: a reader would say each as if the operator had done
// it). Everything else passes as it is, to whatever listened before.
namespace AccessibleEvents {

// Takes its place once; later calls do nothing.
void install();

// What goes on of an event, handed to pass: the event itself, a masked copy, or nothing.
void filter(QAccessibleEvent* event, const std::function<void(QAccessibleEvent*)>& pass);

} // namespace AccessibleEvents
