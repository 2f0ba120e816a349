#include "widgets/LeavingFocus.h"

#include <QFocusEvent>

namespace LeavingFocus {

bool isLeaving(const QEvent* event)
{
    if (event->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace LeavingFocus
