#pragma once

#include <clocale>
#include <QCoreApplication>
#include <QLocale>
#include <QTest>

// Runs a Qt Test object twice: with the Italian locale the program expects, then with one that writes a
// decimal point and month-first dates (US English for Qt, also as the system locale; the C library's own
// locale for printf and strtod). Rules that hold in both depend on neither. Tests of windows pass
// QApplication as the application class.
template <class Test, class Application = QCoreApplication> int runInTwoLocales(int argc, char* argv[])
{
    qputenv("LC_ALL", "en_US.UTF-8");
    Application application(argc, argv);
    Test test;
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    int failures = QTest::qExec(&test, argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    if (!std::setlocale(LC_ALL, "en_US.UTF-8"))
        std::setlocale(LC_ALL, "C.UTF-8");
    failures += QTest::qExec(&test, argc, argv);
    return failures;
}

#define TELVARA_TEST_MAIN_IN_TWO_LOCALES(Test)                                                               \
    int main(int argc, char* argv[])                                                                         \
    {                                                                                                        \
        return runInTwoLocales<Test>(argc, argv);                                                            \
    }

#define TELVARA_TEST_MAIN_IN_TWO_LOCALES_GUI(Test)                                                           \
    int main(int argc, char* argv[])                                                                         \
    {                                                                                                        \
        return runInTwoLocales<Test, QApplication>(argc, argv);                                              \
    }
