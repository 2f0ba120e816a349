#pragma once

#include "platform/Sound.h"

#include <memory>

class QAudioOutput;
class QMediaPlayer;

// Plays through Qt Multimedia on the default audio output. The player is made at the first sound, so
// that a run without sounds never loads the media backend.
class MediaSound : public Sound
{
public:
    MediaSound();
    ~MediaSound() override;

    void play(const QString& path) override;
    void stop() override;

    // The ffmpeg media backend, unless the environment already chose one; Debian's GStreamer backend
    // crashes without its plugins. Called before the application object exists.
    static void chooseBackend();

private:
    std::unique_ptr<QAudioOutput> m_output;
    std::unique_ptr<QMediaPlayer> m_player;
};
