#pragma once

#include "platform/InputBox.h"

#include <QQueue>
#include <QStringList>

// Answers input boxes from a script and records their prompts; unscripted boxes are cancelled.
class ScriptedInputBox : public InputBox
{
public:
    std::optional<QString> text(QWidget*, const QString& title, const QString& prompt,
                                const QString& initial) override
    {
        m_asked.append(QStringList{title, prompt, initial});
        return m_answers.isEmpty() ? std::nullopt : m_answers.dequeue();
    }

    // The next answer; std::nullopt stands for Cancel.
    void setNextAnswer(std::optional<QString> answer) { m_answers.enqueue(std::move(answer)); }
    // Title, prompt and initial value of every box shown.
    const QList<QStringList>& asked() const { return m_asked; }

private:
    QQueue<std::optional<QString>> m_answers;
    QList<QStringList> m_asked;
};
