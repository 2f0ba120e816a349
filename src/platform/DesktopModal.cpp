#include "platform/DesktopModal.h"

#include <QDialog>

int DesktopModal::exec(QDialog& dialog)
{
    return dialog.exec();
}
