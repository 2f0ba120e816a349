#pragma once

class Clock;
class FileDialog;
class InputBox;
class Messages;
class Modal;
class Shell;
class Sound;

// The one place where the desktop's services are installed: the program installs the real ones at
// start-up, tests install their doubles. Each getter expects its service to be installed.
namespace Services {

Clock& clock();
FileDialog& fileDialog();
InputBox& inputBox();
Messages& messages();
Modal& modal();
Shell& shell();
Sound& sound();

// Each setter returns the service it replaces, so that a test can put it back.
Clock* setClock(Clock* clock);
FileDialog* setFileDialog(FileDialog* fileDialog);
InputBox* setInputBox(InputBox* inputBox);
Messages* setMessages(Messages* messages);
Modal* setModal(Modal* modal);
Shell* setShell(Shell* shell);
Sound* setSound(Sound* sound);

} // namespace Services
