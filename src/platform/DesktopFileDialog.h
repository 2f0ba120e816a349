#pragma once

#include "platform/FileDialog.h"

// Qt's file-open dialog.
class DesktopFileDialog : public FileDialog
{
public:
    QString openFileName(QWidget* parent, const QString& title) override;
};
