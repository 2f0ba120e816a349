#pragma once

class QEvent;

// Whether an event is the user leaving a field for another control of the window. Focus lost because
// the window itself went to the background, or a menu or list popped up, is not leaving the field.
namespace LeavingFocus {

bool isLeaving(const QEvent* event);

} // namespace LeavingFocus
