#pragma once

#include "storage/ScanProgress.h"

#include <chrono>
#include <functional>
#include <memory>
#include <QElapsedTimer>
#include <QPointer>
#include <QString>

class QLabel;
class QObject;
class QWidget;

// A long scan run on a window's thread in slices. Past kShownAfter the window's progress line tells the
// records read so far, and between slices the windows repaint while keys and clicks are dropped, so that
// nothing else starts on the window meanwhile; Esc, or closing the window, stops the scan at the next
// slice. Everything it changed, the line too, is put back when it ends.
class WindowProgress : public ScanProgress
{
public:
    static constexpr std::chrono::milliseconds kShownAfter{300};

    // text builds the line from the records read and the records in the archive.
    WindowProgress(QWidget* window, QLabel* line, std::function<QString(qint64 read, qint64 total)> text);
    ~WindowProgress() override;
    WindowProgress(const WindowProgress&) = delete;
    WindowProgress& operator=(const WindowProgress&) = delete;

    bool proceed(qint64 read, qint64 total) override;

    // Whether the operator stopped the scan; and whether by closing the window, which closes once the
    // scan has unwound.
    bool stopped() const { return m_stopped; }
    bool closeAsked() const { return m_closeAsked; }

private:
    class Input;

    void show();

    QPointer<QWidget> m_window;
    QPointer<QLabel> m_line;
    QPointer<QWidget> m_modalBefore;
    std::function<QString(qint64, qint64)> m_text;
    QString m_lineBefore;
    bool m_lineWasHidden = false;
    QElapsedTimer m_started;
    qint64 m_lastEvents = 0;
    bool m_shown = false;
    bool m_stopped = false;
    bool m_closeAsked = false;
    std::unique_ptr<QObject> m_input;
};
