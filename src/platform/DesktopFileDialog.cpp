#include "platform/DesktopFileDialog.h"

#include <QFileDialog>

QString DesktopFileDialog::openFileName(QWidget* parent, const QString& title)
{
    return QFileDialog::getOpenFileName(parent, title);
}
