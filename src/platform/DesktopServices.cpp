#include "platform/DesktopServices.h"

#include "platform/DesktopFileDialog.h"
#include "platform/DesktopInputBox.h"
#include "platform/DesktopMessages.h"
#include "platform/DesktopModal.h"
#include "platform/DesktopServerWait.h"
#include "platform/DesktopShell.h"
#include "platform/MediaSound.h"
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
    static DesktopServerWait serverWait;
    static DesktopShell shell;
    static MediaSound sound;
    Services::setClock(&clock);
    Services::setFileDialog(&fileDialog);
    Services::setInputBox(&inputBox);
    Services::setMessages(&messages);
    Services::setModal(&modal);
    Services::setShell(&shell);
    Services::setSound(&sound);
    ServerWait::install(&serverWait);
}

} // namespace DesktopServices
