#include "platform/DesktopModal.h"

#include "platform/ScreenFit.h"

#include <QDialog>

int DesktopModal::exec(QDialog& dialog)
{
    ScreenFit::centre(&dialog);
    return dialog.exec();
}
