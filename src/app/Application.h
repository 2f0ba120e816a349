#pragma once

#include "screens/WindowRegistry.h"

#include <QObject>

class QApplication;

// The application object: fixes the formats of the run, loads Qt's Italian texts, creates the
// persistent windows and shows the login window. The services must be installed before start().
class Application : public QObject
{
    Q_OBJECT

public:
    explicit Application(QApplication& application);

    void start();
    WindowRegistry& windows() { return m_windows; }

private:
    QApplication& m_application;
    WindowRegistry m_windows;
};
