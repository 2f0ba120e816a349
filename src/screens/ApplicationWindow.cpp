#include "screens/ApplicationWindow.h"

#include "screens/WindowRegistry.h"

#include <QCloseEvent>

ApplicationWindow::ApplicationWindow(WindowRegistry& registry, QWidget* parent)
    : QWidget(parent), m_registry(registry)
{}

void ApplicationWindow::open()
{
    WindowRegistry::showMaximised(this);
}

void ApplicationWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    hide();
    returnFromWindow();
}

void ApplicationWindow::returnFromWindow()
{
    m_registry.showMainMenu();
}
