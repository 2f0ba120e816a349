#include "app/Application.h"

#include "app/ItalianTranslation.h"
#include "app/OneUseWindows.h"
#include "app/PersistentWindows.h"
#include "app/ProcessFormats.h"
#include "app/ProgramStyle.h"
#include "app/TfrmPassword.h"
#include "platform/ProgramFolder.h"
#include "widgets/ButtonEnter.h"

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
    ProgramStyle::install();
    ButtonEnter::install(&m_application);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/artwork/logo.svg")));
    m_windows.provide(oneUseWindows());
    m_windows.create(persistentWindows());
    m_windows.find<TfrmPassword>()->open();
}
