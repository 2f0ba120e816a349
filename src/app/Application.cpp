#include "shell/Application.h"

#include "shell/ItalianTranslation.h"
#include "shell/PersistentWindows.h"
#include "shell/ProcessFormats.h"
#include "shell/ProgramFolder.h"
#include "shell/TfrmPassword.h"

#include <QApplication>

Application::Application(QApplication& application) : m_application(application)
{
    // Closing a window never ends the run by itself: only the exit paths do.
    QApplication::setQuitOnLastWindowClosed(false);
    connect(&m_windows, &WindowRegistry::exitRequested, &m_application, &QCoreApplication::quit,
            Qt::QueuedConnection);
}

void Application::start()
{
    ProcessFormats::install();
    ItalianTranslation::install(m_application, ProgramFolder::path());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/artwork/logo.svg")));
    m_windows.create(persistentWindows());
    m_windows.find<TfrmPassword>()->open();
}
