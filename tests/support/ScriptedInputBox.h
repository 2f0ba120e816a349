#pragma once

#include "platform/InputBox.h"

#include <QLineEdit>
#include <QQueue>
#include <QStringList>

// Answers input boxes from a script and records their prompts; unscripted boxes are cancelled. A scripted
// answer is put into an input prepared as the box's would be, so it keeps the rule the caller gave.
class ScriptedInputBox : public InputBox
{
public:
    std::optional<QString> text(QWidget*, const QString& title, const QString& prompt, const QString& initial,
                                const Prepare& prepare) override
    {
        m_asked.append(QStringList{title, prompt, initial});
        if (m_answers.isEmpty())
            return std::nullopt;
        const std::optional<QString> answer = m_answers.dequeue();
        if (!answer || !prepare)
            return answer;
        QLineEdit input;
        prepare(&input);
        input.setText(*answer);
        return input.text();
    }

    // The next answer; std::nullopt stands for Cancel.
    void setNextAnswer(std::optional<QString> answer) { m_answers.enqueue(std::move(answer)); }
    // Title, prompt and initial value of every box shown.
    const QList<QStringList>& asked() const { return m_asked; }

private:
    QQueue<std::optional<QString>> m_answers;
    QList<QStringList> m_asked;
};
