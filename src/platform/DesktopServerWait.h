#pragma once

#include "storage/ServerWait.h"

#include <memory>
#include <QPointer>

class QLabel;
class QObject;

// A wait on the server longer than half a second shows a busy pointer and a line naming the server on
// the active window, and lets the windows repaint meanwhile. Keys and clicks given during the wait are
// dropped rather than kept for later: an Enter kept would close the message that tells how the wait
// ended before it could be read, a click would repeat the action.
class DesktopServerWait : public ServerWait
{
public:
    static constexpr std::chrono::milliseconds kShownAfter{500};

    DesktopServerWait();
    ~DesktopServerWait() override;

    void waiting(const QString& server, std::chrono::milliseconds waited) noexcept override;
    void ended() noexcept override;

private:
    void show(const QString& server);

    bool m_shown = false;
    bool m_repainting = false;
    QPointer<QLabel> m_line;
    std::unique_ptr<QObject> m_inputDropped;
};
