#include "platform/DesktopServices.h"

#include "platform/DesktopFileDialog.h"
#include "platform/DesktopInputBox.h"
#include "platform/DesktopMessages.h"
#include "platform/DesktopModal.h"
#include "platform/DesktopShell.h"
#include "platform/Services.h"
#include "platform/SystemClock.h"

namespace DesktopServices {

void install()
{
    static SystemClock clock;
    static DesktopFileDialog fileDialog;
    static DesktopInputBox inputBox;
    static DesktopMessages messages;
    static DesktopModal modal;
    static DesktopShell shell;
    Services::setClock(&clock);
    Services::setFileDialog(&fileDialog);
    Services::setInputBox(&inputBox);
    Services::setMessages(&messages);
    Services::setModal(&modal);
    Services::setShell(&shell);
}

} // namespace DesktopServices
