#pragma once

#include "TempProgramFolder.h"

#include <QProcess>
#include <QStringList>

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
