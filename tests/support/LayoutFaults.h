#pragma once

#include <QList>
#include <QStringList>

class QWidget;

// What is wrong with how a window places its controls at its present size, one line a fault.
namespace LayoutFaults {

// The window's named, visible controls, less the section frames and the highlights around inputs.
QList<QWidget*> controls(const QWidget& window);

enum class Widths { Checked, Free };

// Each control outside the window, lower (with widths checked, also narrower) than its minimum size
// hint, or a label narrower than its text; then each two controls that overlap.
QStringList of(const QWidget& window, const QList<QWidget*>& controls, Widths widths);

} // namespace LayoutFaults
