#pragma once

#include <QString>

class QWidget;

// The file-open dialog. An empty answer means the user cancelled.
class FileDialog
{
public:
    virtual ~FileDialog() = default;
    virtual QString openFileName(QWidget* parent, const QString& title) = 0;
};
