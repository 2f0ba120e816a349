#pragma once

#include "platform/Modal.h"

#include <functional>
#include <QQueue>
#include <QStringList>

class QDialog;

// Shows each modal window without blocking and lets a scripted function act as the user: it receives
// the shown window and returns the window's result. Unscripted windows are closed at once.
class ScriptedModal : public Modal
{
public:
    using Script = std::function<int(QDialog&)>;

    int exec(QDialog& dialog) override;

    void setNextScript(Script script) { m_scripts.enqueue(std::move(script)); }
    // The object names of the windows shown so far, in order.
    const QStringList& shown() const { return m_shown; }

private:
    QQueue<Script> m_scripts;
    QStringList m_shown;
};
