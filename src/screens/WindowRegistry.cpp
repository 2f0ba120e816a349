#include "screens/WindowRegistry.h"

#include "platform/ScreenFit.h"

#include <QScreen>
#include <QWidget>

WindowRegistry::WindowRegistry(QObject* parent) : QObject(parent) {}

WindowRegistry::~WindowRegistry()
{
    while (!m_windows.isEmpty())
        delete m_windows.takeLast();
}

void WindowRegistry::create(const QList<Entry>& entries)
{
    for (const Entry& entry : entries)
        add(entry.name, entry.create(*this));
}

void WindowRegistry::add(const QString& name, QWidget* window)
{
    window->setObjectName(name);
    m_windows.append(window);
}

QWidget* WindowRegistry::window(const QString& name) const
{
    for (QWidget* window : m_windows)
        if (window->objectName() == name)
            return window;
    return nullptr;
}

void WindowRegistry::provide(const QList<OneUse>& windows)
{
    for (const OneUse& window : windows)
        m_oneUse.insert(window.name, window.make);
}

QDialog* WindowRegistry::makeDialog(const QString& name, QWidget* parent) const
{
    const auto make = m_oneUse.constFind(name);
    if (make == m_oneUse.cend())
        qFatal("WindowRegistry: no window %s was provided", qPrintable(name));
    return (*make)(parent);
}

QStringList WindowRegistry::names() const
{
    QStringList names;
    for (QWidget* window : m_windows)
        names.append(window->objectName());
    return names;
}

void WindowRegistry::showMaximised(QWidget* window)
{
    window->setGeometry(window->screen()->availableGeometry());
    window->showMaximized();
    window->raise();
    window->activateWindow();
}

void WindowRegistry::showCentred(QWidget* window)
{
    window->adjustSize();
    ScreenFit::centre(window);
    window->show();
    window->raise();
    window->activateWindow();
}

void WindowRegistry::showMainMenu()
{
    if (QWidget* menu = window(QStringLiteral("TfrmAvvio")))
        showMaximised(menu);
}

void WindowRegistry::exit()
{
    emit exitRequested();
}
