#include "ScriptedModal.h"

#include <QDialog>

int ScriptedModal::exec(QDialog& dialog)
{
    m_shown.append(dialog.objectName());
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    const int result = m_scripts.isEmpty() ? QDialog::Rejected : m_scripts.dequeue()(dialog);
    dialog.hide();
    return result;
}
