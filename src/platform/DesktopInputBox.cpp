#include "platform/DesktopInputBox.h"

#include <QInputDialog>

std::optional<QString> DesktopInputBox::text(QWidget* parent, const QString& title, const QString& prompt,
                                             const QString& initial)
{
    bool accepted = false;
    const QString answer =
        QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, initial, &accepted);
    if (!accepted)
        return std::nullopt;
    return answer;
}
