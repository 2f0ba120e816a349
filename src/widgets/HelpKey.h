#pragma once

class QAbstractButton;

// F1, the key operators expect for help, presses the window's help command while the command is shown.
namespace HelpKey {

void attach(QAbstractButton* helpCommand);

} // namespace HelpKey
