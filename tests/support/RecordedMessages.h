#pragma once

#include "platform/Messages.h"

#include <QList>
#include <QQueue>

// Records every message box instead of showing it; questions take their answers from a script.
class RecordedMessages : public Messages
{
public:
    struct Shown
    {
        Kind kind;
        QString text;
        bool operator==(const Shown&) const = default;
    };

    bool show(Kind kind, const QString& text) override;

    // The answer of the next question (Yes when true); unscripted questions are answered No.
    void setNextAnswer(bool yes) { m_answers.enqueue(yes); }
    const QList<Shown>& shown() const { return m_shown; }
    // Returns what was shown since the last call and forgets it.
    QList<Shown> take();

private:
    QList<Shown> m_shown;
    QQueue<bool> m_answers;
};

char* toString(const RecordedMessages::Shown& shown);
