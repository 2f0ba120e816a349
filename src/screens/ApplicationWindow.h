#pragma once

#include <QWidget>

class WindowRegistry;

// A persistent window opened from the main menu. Its exit control calls close(); closing it, by that
// control or by the window's close box, hides it and shows the main menu again.
class ApplicationWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ApplicationWindow(WindowRegistry& registry, QWidget* parent = nullptr);

    // How the main menu shows the window.
    virtual void open();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Where closing leads; the year menus choose between the main menu and their card.
    virtual void returnFromWindow();

    WindowRegistry& registry() const { return m_registry; }

private:
    WindowRegistry& m_registry;
};
