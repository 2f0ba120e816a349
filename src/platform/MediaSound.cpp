#include "platform/MediaSound.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

MediaSound::MediaSound() = default;

MediaSound::~MediaSound() = default;

void MediaSound::chooseBackend()
{
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "ffmpeg");
}

void MediaSound::play(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return;
    if (!m_player) {
        m_output = std::make_unique<QAudioOutput>();
        m_player = std::make_unique<QMediaPlayer>();
        m_player->setAudioOutput(m_output.get());
    }
    // A file the backend cannot decode ends in an error state: silence.
    m_player->stop();
    m_player->setSource(QUrl::fromLocalFile(path));
    m_player->play();
}

void MediaSound::stop()
{
    if (m_player)
        m_player->stop();
}
