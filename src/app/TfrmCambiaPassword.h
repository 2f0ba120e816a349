#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;
class WindowRegistry;

// Replaces the login password after the old one is typed and the new one confirmed. However it
// closes, the login window comes back with an empty input.
class TfrmCambiaPassword : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmCambiaPassword(WindowRegistry& registry);

    // Shows the window centred, its inputs emptied and the focus on the old password.
    void open();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void inputChange();
    void cmdOKClick();

    WindowRegistry& m_registry;
    QLineEdit* m_txtPasswordOld;
    QLineEdit* m_txtPasswordNew;
    QLineEdit* m_txtConferma;
    QPushButton* m_cmdOK;
};
