#include "platform/MediaSound.h"

#include "platform/SoundWorker.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

MediaSound::MediaSound(QString player) : m_player(std::move(player)) {}

MediaSound::~MediaSound()
{
    stop();
}

void MediaSound::chooseBackend()
{
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "ffmpeg");
}

void MediaSound::play(const QString& path)
{
    stop();
    if (!QFileInfo(path).isFile())
        return;
    m_process = new QProcess;
    m_process->setProgram(m_player.isEmpty() ? QCoreApplication::applicationFilePath() : m_player);
    m_process->setArguments({QString::fromLatin1(kPlayerOption), path});
    m_process->setStandardInputFile(QProcess::nullDevice());
    m_process->setStandardOutputFile(QProcess::nullDevice());
    m_process->setStandardErrorFile(QProcess::nullDevice());
    m_process->start();
}

void MediaSound::stop()
{
    if (!m_process)
        return;
    if (m_process->state() != QProcess::NotRunning) {
        m_process->kill();
        m_process->waitForFinished(1000);
    }
    delete m_process;
    m_process = nullptr;
}

bool MediaSound::isPlaying() const
{
    if (!m_process)
        return false;
    // The process's end is noticed by the event loop; a test may be waiting outside it.
    m_process->waitForFinished(0);
    return m_process->state() != QProcess::NotRunning;
}

int MediaSound::runPlayer(int argc, char* argv[], const QString& path)
{
    // Never outlive the program, nor a sound server that stopped answering.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() == 1)
        return 0;
    ::alarm(kPlayerLimitSeconds);
    chooseBackend();
    QCoreApplication player(argc, argv);
    SoundWorker worker;
    QObject::connect(&worker, &SoundWorker::finished, &player, &QCoreApplication::quit, Qt::QueuedConnection);
    worker.play(path);
    return player.exec();
}
