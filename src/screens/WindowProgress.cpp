#include "screens/WindowProgress.h"

#include "platform/OperatorInput.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>

namespace {

// How often the windows get their events while the scan goes on: a repaint every few frames.
constexpr qint64 kEventsEveryMs = 40;

} // namespace

// Drops keys and clicks everywhere while the scan runs; Esc and the window's closing stop it.
class WindowProgress::Input : public QObject
{
public:
    explicit Input(WindowProgress& progress) : m_progress(progress) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // A message opened meanwhile (by a queued call) is answered as usual: it would wait for ever.
        if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != m_progress.m_modalBefore)
            return false;
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
            m_progress.m_stopped = true;
        if (event->type() == QEvent::Close && watched == m_progress.m_window) {
            m_progress.m_stopped = true;
            m_progress.m_closeAsked = true;
            event->ignore();
            return true;
        }
        return OperatorInput::isInput(event->type());
    }

private:
    WindowProgress& m_progress;
};

WindowProgress::WindowProgress(QWidget* window, QLabel* line, const QString& text)
    : m_window(window), m_line(line), m_text(text)
{
    m_started.start();
}

WindowProgress::~WindowProgress()
{
    if (!m_shown)
        return;
    QApplication::restoreOverrideCursor();
    if (m_line) {
        m_line->setText(m_lineBefore);
        m_line->setHidden(m_lineWasHidden);
    }
}

bool WindowProgress::proceed(qint64 read, qint64 total)
{
    const qint64 elapsed = m_started.elapsed();
    if (elapsed < kShownAfter.count() || elapsed - m_lastEvents < kEventsEveryMs)
        return !m_stopped;
    m_lastEvents = elapsed;
    if (!m_shown)
        show();
    if (m_line) {
        const QLocale italian(QLocale::Italian, QLocale::Italy);
        m_line->setText(m_text.arg(italian.toString(read), italian.toString(total)));
    }
    QCoreApplication::processEvents();
    // A window closed or gone meanwhile has no use for the rest.
    if (!m_window || !m_window->isVisible())
        m_stopped = true;
    return !m_stopped;
}

void WindowProgress::show()
{
    m_shown = true;
    m_modalBefore = QApplication::activeModalWidget();
    QApplication::setOverrideCursor(Qt::BusyCursor);
    m_input = std::make_unique<Input>(*this);
    qApp->installEventFilter(m_input.get());
    if (!m_line)
        return;
    m_lineBefore = m_line->text();
    m_lineWasHidden = m_line->isHidden();
    m_line->show();
}
