#pragma once

#include "platform/Shell.h"

#include <QStringList>

// Records every target handed to the desktop's "open" action.
class RecordedShell : public Shell
{
public:
    void open(const QString& target) override { m_opened.append(target); }
    const QStringList& opened() const { return m_opened; }

private:
    QStringList m_opened;
};
