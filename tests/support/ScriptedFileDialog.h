#pragma once

#include "platform/FileDialog.h"

#include <QQueue>
#include <QStringList>

// Answers the file-open dialog from a script and records the titles it was shown with.
class ScriptedFileDialog : public FileDialog
{
public:
    QString openFileName(QWidget*, const QString& title) override
    {
        m_titles.append(title);
        return m_answers.isEmpty() ? QString() : m_answers.dequeue();
    }

    // The next answer; an empty name stands for Cancel, as does an unscripted dialog.
    void setNextFileName(const QString& fileName) { m_answers.enqueue(fileName); }
    const QStringList& titles() const { return m_titles; }

private:
    QQueue<QString> m_answers;
    QStringList m_titles;
};
