#include "platform/DesktopServerWait.h"

#include "platform/OperatorInput.h"

#include <algorithm>
#include <QApplication>
#include <QEvent>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace {

// The window the operator is looking at.
QWidget* activeWindow()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            return window;
    return nullptr;
}

// Whether a widget is painting: a list reading its lines as they are shown waits from inside its paint
// event, and a window cannot be painted again from there.
bool painting()
{
    const QWidgetList widgets = QApplication::allWidgets();
    return std::any_of(widgets.begin(), widgets.end(), [](const QWidget* widget) {
        return widget->testAttribute(Qt::WA_WState_InPaintEvent);
    });
}

// Drops what the operator types or clicks, and a window's closing asked from its frame.
class InputDropped : public QObject
{
protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (OperatorInput::isInput(event->type()))
            return true;
        return event->type() == QEvent::Close && event->spontaneous();
    }
};

} // namespace

DesktopServerWait::DesktopServerWait() = default;

DesktopServerWait::~DesktopServerWait() = default;

void DesktopServerWait::waiting(const QString& server, std::chrono::milliseconds waited) noexcept
{
    if (waited < kShownAfter || m_repainting)
        return;
    if (!m_shown)
        show(server);
    if (painting())
        return;
    // Repaints, timers and the like go on; keys and clicks are dropped. An action that a timer starts
    // meanwhile finds the connection busy and is refused.
    m_repainting = true;
    QCoreApplication::processEvents();
    m_repainting = false;
}

void DesktopServerWait::show(const QString& server)
{
    m_shown = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_inputDropped = std::make_unique<InputDropped>();
    qApp->installEventFilter(m_inputDropped.get());
    QWidget* window = activeWindow();
    if (!window)
        return;
    m_line = new QLabel(u"In attesa del server dell'archivio %1…"_s.arg(server), window);
    m_line->setObjectName(u"lblAttesaServer"_s);
    m_line->setAccessibleName(m_line->text());
    m_line->setAlignment(Qt::AlignCenter);
    m_line->setMargin(8);
    m_line->setFrameShape(QFrame::Box);
    m_line->setAutoFillBackground(true);
    QPalette palette = m_line->palette();
    palette.setColor(QPalette::Window, QColor(0xFF, 0xF4, 0xC2));
    palette.setColor(QPalette::WindowText, Qt::black);
    m_line->setPalette(palette);
    m_line->adjustSize();
    const int width = std::min(window->width() - 16, m_line->width());
    m_line->setGeometry((window->width() - width) / 2, window->height() - m_line->height() - 8, width,
                        m_line->height());
    m_line->show();
    m_line->raise();
}

void DesktopServerWait::ended() noexcept
{
    // A wait inside this one's repainting (another server's) leaves the outer wait shown.
    if (!m_shown || m_repainting)
        return;
    m_shown = false;
    m_inputDropped.reset();
    delete m_line.data();
    QApplication::restoreOverrideCursor();
}
