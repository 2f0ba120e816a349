#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;
class WindowRegistry;

// The login window, the program's main window: the main menu appears only after the stored password
// is typed (letters in either case, blanks around it ignored).
class TfrmPassword : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmPassword(WindowRegistry& registry);

    // Shows the window centred with an empty input holding the focus.
    void open();

protected:
    // The window has no close box, but a window manager may offer one all the same: closing the main
    // window ends the program, as "Esci" does.
    void closeEvent(QCloseEvent* event) override;

private:
    void txtPasswordChange();
    void txtPasswordEnter();
    void cmdOKClick();
    void btnCambiaPasswordClick();

    WindowRegistry& m_registry;
    QLineEdit* m_txtPassword;
    QPushButton* m_cmdOK;
};
