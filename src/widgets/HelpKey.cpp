#include "widgets/HelpKey.h"

#include <QAbstractButton>

namespace HelpKey {

void attach(QAbstractButton* helpCommand)
{
    helpCommand->setShortcut(Qt::Key_F1);
}

} // namespace HelpKey
