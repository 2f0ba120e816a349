#pragma once

#include "storage/ServerWait.h"

#include <QPointer>

class QLabel;

// A wait on the server longer than half a second shows a busy pointer and a line naming the server on
// the active window, and lets the windows repaint meanwhile; no input reaches them until the wait ends.
class DesktopServerWait : public ServerWait
{
public:
    static constexpr std::chrono::milliseconds kShownAfter{500};

    void waiting(const QString& server, std::chrono::milliseconds waited) noexcept override;
    void ended() noexcept override;

private:
    void show(const QString& server);

    bool m_shown = false;
    bool m_repainting = false;
    QPointer<QLabel> m_line;
};
