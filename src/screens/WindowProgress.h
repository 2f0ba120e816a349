#pragma once

#include "storage/ScanProgress.h"

#include <chrono>
#include <memory>
#include <QElapsedTimer>
#include <QPointer>
#include <QString>

class QLabel;
class QObject;
class QWidget;

// Long work run on a window's thread in slices. Past kShownAfter the window's progress line tells the
// records done so far, and between slices the windows repaint while keys and clicks are dropped (but for
// a message opened meanwhile), so that nothing else starts on the window; Esc, or closing the window,
// stops the work at the next slice. Everything it changed, the line too, is put back when it ends.
class WindowProgress : public ScanProgress
{
public:
    static constexpr std::chrono::milliseconds kShownAfter{300};

    // text is the line, with %1 for the records done so far and %2 for the records in all.
    WindowProgress(QWidget* window, QLabel* line, const QString& text);
    ~WindowProgress() override;
    WindowProgress(const WindowProgress&) = delete;
    WindowProgress& operator=(const WindowProgress&) = delete;

    bool proceed(qint64 read, qint64 total) override;

    // Whether the work was stopped (by Esc, or by the window closed, hidden or gone); and whether the
    // window was asked to close, which it does once the work has unwound.
    bool stopped() const { return m_stopped; }
    bool closeAsked() const { return m_closeAsked; }

private:
    class Input;

    void show();

    QPointer<QWidget> m_window;
    QPointer<QLabel> m_line;
    QPointer<QWidget> m_modalBefore;
    QString m_text;
    QString m_lineBefore;
    bool m_lineWasHidden = false;
    QElapsedTimer m_started;
    qint64 m_lastEvents = 0;
    bool m_shown = false;
    bool m_stopped = false;
    bool m_closeAsked = false;
    std::unique_ptr<QObject> m_input;
};
