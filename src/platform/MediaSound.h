#pragma once

#include "platform/Sound.h"

#include <QString>

class QProcess;

// Plays through Qt Multimedia, in a player process of its own: the program started again with
// kPlayerOption and the file. Whatever the audio stack does there (no output, an output that goes away, a
// server that hangs, a file that crashes the decoder) can at most silence that process, never reach the
// windows. A new sound or stop() ends the one playing; so does the end of the program.
class MediaSound : public Sound
{
public:
    // player: the program that understands kPlayerOption; by default this program.
    explicit MediaSound(QString player = {});
    ~MediaSound() override;

    void play(const QString& path) override;
    void stop() override;

    // Whether a player process is still running (playing, or held up by the audio stack).
    bool isPlaying() const;

    // The ffmpeg media backend, unless the environment already chose one; Debian's GStreamer backend
    // crashes without its plugins. Called before the application object exists.
    static void chooseBackend();

    static constexpr const char* kPlayerOption = "--suona";
    // The player process: plays path on the default audio output and returns when it is over. It ends
    // with the program that started it, and by itself after kPlayerLimitSeconds whatever happens.
    static int runPlayer(int argc, char* argv[], const QString& path);

private:
    static constexpr unsigned kPlayerLimitSeconds = 60;

    QString m_player;
    QProcess* m_process = nullptr;
};
