#include "ServiceDoubles.h"

#include "platform/Services.h"

ServiceDoubles::ServiceDoubles()
    : m_clock(Services::setClock(&clock)), m_fileDialog(Services::setFileDialog(&fileDialog)),
      m_inputBox(Services::setInputBox(&inputBox)), m_messages(Services::setMessages(&messages)),
      m_modal(Services::setModal(&modal)), m_shell(Services::setShell(&shell)), m_sound(Services::setSound(&sound))
{}

ServiceDoubles::~ServiceDoubles()
{
    Services::setClock(m_clock);
    Services::setFileDialog(m_fileDialog);
    Services::setInputBox(m_inputBox);
    Services::setMessages(m_messages);
    Services::setModal(m_modal);
    Services::setShell(m_shell);
    Services::setSound(m_sound);
}
