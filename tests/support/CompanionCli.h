#pragma once

#include "TempProgramFolder.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

// What one run of telvara-cli gave: its exit status (-1 when it did not end in time) and both streams.
struct CompanionRun
{
    int status;
    QByteArray output;
    QByteArray errors;
};

// Runs telvara-cli (TELVARA_CLI) with these arguments, the environment extended by "NAME=value" entries.
inline CompanionRun runCompanion(const QStringList& arguments, const QStringList& environment = {})
{
    QProcess process;
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const QString& variable : environment)
        variables.insert(variable.section(QLatin1Char('='), 0, 0), variable.section(QLatin1Char('='), 1));
    process.setProcessEnvironment(variables);
    process.start(QStringLiteral(TELVARA_CLI), arguments);
    if (!process.waitForFinished(120000))
        return {-1, {}, {}};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

// For the tests whose target defines TELVARA_CLI as the path of telvara-cli: what the companion prints
// when it works on the test's program folder. A companion that fails stops the test at once.
inline QByteArray runCli(const TempProgramFolder& folder, const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(TELVARA_CLI),
                  QStringList{QStringLiteral("--cartella"), folder.path()} + arguments);
    if (!process.waitForFinished() || process.exitCode() != 0)
        qFatal("telvara-cli failed: %s", process.readAllStandardError().constData());
    return process.readAllStandardOutput();
}
