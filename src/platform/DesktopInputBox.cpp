#include "platform/DesktopInputBox.h"

#include <QInputDialog>
#include <QLineEdit>

std::optional<QString> DesktopInputBox::text(QWidget* parent, const QString& title, const QString& prompt,
                                             const QString& initial, const Prepare& prepare)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(initial);
    if (auto* input = dialog.findChild<QLineEdit*>(); input && prepare)
        prepare(input);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}
