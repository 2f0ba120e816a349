#include "ThrowawayServer.h"

#include <QProcess>
#include <unistd.h>

namespace {

QString script()
{
    return QStringLiteral(TELVARA_SOURCE_DIR "/scripts/throwaway-postgres.sh");
}

// Runs a command to its end; a failure stops the test program, since no server test could go on.
QByteArray mustRun(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        qFatal("%s %s failed: %s", qPrintable(program), qPrintable(arguments.join(QLatin1Char(' '))),
               process.readAllStandardError().constData());
    return process.readAllStandardOutput();
}


} // namespace

ThrowawayServer& ThrowawayServer::shared()
{
    static ThrowawayServer server(QStringLiteral("postgres"));
    return server;
}

ThrowawayServer::ThrowawayServer(const QString& name)
    : m_folder(QStringLiteral("/tmp/telvara-%1-%2").arg(name).arg(::getpid()))
{
    mustRun(QStringLiteral("bash"), {script(), QStringLiteral("start"), m_folder});
}

ThrowawayServer::ThrowawayServer(const QString& name, const ThrowawayServer& primary)
    : m_folder(QStringLiteral("/tmp/telvara-%1-%2").arg(name).arg(::getpid()))
{
    mustRun(QStringLiteral("bash"), {script(), QStringLiteral("standby"), m_folder, primary.m_folder});
}

ThrowawayServer::~ThrowawayServer()
{
    QProcess::execute(QStringLiteral("bash"), {script(), QStringLiteral("stop"), m_folder});
}

QString ThrowawayServer::uri(const QString& database) const
{
    return QStringLiteral("postgresql:///%1?host=%2&port=5432&user=postgres").arg(database, m_folder);
}

QString ThrowawayServer::freshDatabase()
{
    const QString name = QStringLiteral("prova_%1").arg(++m_databases);
    mustRun(QStringLiteral("psql"),
            {QStringLiteral("-q"), QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-d"),
             uri(QStringLiteral("telvara")), QStringLiteral("-c"), QStringLiteral("CREATE DATABASE ") + name});
    return uri(name);
}

void ThrowawayServer::kill()
{
    mustRun(QStringLiteral("bash"), {script(), QStringLiteral("kill"), m_folder});
}

void ThrowawayServer::promote()
{
    mustRun(QStringLiteral("bash"), {script(), QStringLiteral("promote"), m_folder});
}

void ThrowawayServer::restart()
{
    mustRun(QStringLiteral("bash"), {script(), QStringLiteral("restart"), m_folder});
}
