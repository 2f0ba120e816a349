#pragma once

#include "app/PersistentWindows.h"
#include "rules/PasswordFile.h"
#include "rules/PasswordScramble.h"
#include "screens/WindowRegistry.h"
#include "ServiceDoubles.h"
#include "TempProgramFolder.h"
#include "WiredRegistry.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// A fresh program folder, the service doubles and the program's persistent windows.
struct ShellFixture
{
    TempProgramFolder folder;
    ServiceDoubles services;
    WiredRegistry windows;

    ShellFixture() { windows.create(persistentWindows()); }

    void storePassword(const QString& plain) const
    {
        PasswordFile::write(folder.file(QStringLiteral("unins000.dll")), PasswordScramble::encode(plain));
    }

    QWidget* window(const char* name) const { return windows.window(QLatin1StringView(name)); }

    template <class T = QWidget> T* control(const char* window, const char* name) const
    {
        return this->window(window)->findChild<T*>(QLatin1StringView(name));
    }
    QLineEdit* input(const char* window, const char* name) const { return control<QLineEdit>(window, name); }
    QPushButton* button(const char* window, const char* name) const
    {
        return control<QPushButton>(window, name);
    }
};
