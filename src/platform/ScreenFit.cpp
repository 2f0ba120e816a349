#include "platform/ScreenFit.h"

#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>

namespace {

// The window manager's frame of a window not yet shown, whose real frame is not known: a title bar and
// thin borders.
constexpr QMargins kUnknownFrame(8, 32, 8, 8);

QMargins frameOf(const QWidget* window)
{
    if (!window->isVisible())
        return kUnknownFrame;
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

} // namespace

namespace ScreenFit {

QRect availableArea(const QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen->availableGeometry();
}

void resizeCentred(QWidget* window, const QSize& wanted)
{
    const QRect area = availableArea(window);
    const QMargins frame = frameOf(window);
    window->resize(wanted.boundedTo(area.size().shrunkBy(frame)));
    QRect outer(QPoint(), window->size().grownBy(frame));
    outer.moveCenter(area.center());
    // A window that cannot shrink enough still shows its title bar and its left edge.
    outer.moveTopLeft({qMax(outer.left(), area.left()), qMax(outer.top(), area.top())});
    window->move(outer.topLeft());
}

void centre(QWidget* window)
{
    if (!window->testAttribute(Qt::WA_Resized))
        window->adjustSize();
    resizeCentred(window, window->size());
}

} // namespace ScreenFit
