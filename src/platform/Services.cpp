#include "platform/Services.h"

#include <QtGlobal>
#include <utility>

namespace {

Clock* g_clock = nullptr;
FileDialog* g_fileDialog = nullptr;
InputBox* g_inputBox = nullptr;
Messages* g_messages = nullptr;
Modal* g_modal = nullptr;
Shell* g_shell = nullptr;
Sound* g_sound = nullptr;

template <class T> T& installed(T* service)
{
    Q_ASSERT_X(service, "Services", "service used before it was installed");
    return *service;
}

} // namespace

namespace Services {

Clock& clock()
{
    return installed(g_clock);
}
FileDialog& fileDialog()
{
    return installed(g_fileDialog);
}
InputBox& inputBox()
{
    return installed(g_inputBox);
}
Messages& messages()
{
    return installed(g_messages);
}
Modal& modal()
{
    return installed(g_modal);
}
Shell& shell()
{
    return installed(g_shell);
}
Sound& sound()
{
    return installed(g_sound);
}

Clock* setClock(Clock* clock)
{
    return std::exchange(g_clock, clock);
}
FileDialog* setFileDialog(FileDialog* fileDialog)
{
    return std::exchange(g_fileDialog, fileDialog);
}
InputBox* setInputBox(InputBox* inputBox)
{
    return std::exchange(g_inputBox, inputBox);
}
Messages* setMessages(Messages* messages)
{
    return std::exchange(g_messages, messages);
}
Modal* setModal(Modal* modal)
{
    return std::exchange(g_modal, modal);
}
Shell* setShell(Shell* shell)
{
    return std::exchange(g_shell, shell);
}
Sound* setSound(Sound* sound)
{
    return std::exchange(g_sound, sound);
}

} // namespace Services
