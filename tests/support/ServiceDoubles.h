#pragma once

#include "FixedClock.h"
#include "RecordedMessages.h"
#include "RecordedShell.h"
#include "ScriptedFileDialog.h"
#include "ScriptedInputBox.h"
#include "ScriptedModal.h"
#include "RecordedSound.h"

class Clock;
class FileDialog;
class InputBox;
class Messages;
class Modal;
class Shell;
class Sound;

// Every service replaced by its double while this lives; the previous services come back after.
class ServiceDoubles
{
public:
    ServiceDoubles();
    ~ServiceDoubles();
    ServiceDoubles(const ServiceDoubles&) = delete;
    ServiceDoubles& operator=(const ServiceDoubles&) = delete;

    FixedClock clock;
    ScriptedFileDialog fileDialog;
    ScriptedInputBox inputBox;
    RecordedMessages messages;
    ScriptedModal modal;
    RecordedShell shell;
    RecordedSound sound;

private:
    Clock* m_clock;
    FileDialog* m_fileDialog;
    InputBox* m_inputBox;
    Messages* m_messages;
    Modal* m_modal;
    Shell* m_shell;
    Sound* m_sound;
};
