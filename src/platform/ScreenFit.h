#pragma once

#include <QRect>
#include <QSize>

class QWidget;

// Keeps windows inside the available area of their screen (the desktop less its panels), centred there,
// whatever size they ask for and however they grow.
namespace ScreenFit {

// The available area of the screen the window is on.
QRect availableArea(const QWidget* window);

// Gives the window the size it wants, no larger than the area leaves room for with its frame, and
// centres it in the area.
void resizeCentred(QWidget* window, const QSize& wanted);

// Fits the window's own size (its preferred size when nothing has sized it yet) to the area and centres
// it: for a window about to be shown.
void centre(QWidget* window);

} // namespace ScreenFit
