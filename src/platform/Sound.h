#pragma once

#include <QString>

// Plays a sound file once, behind a seam so that tests hear nothing and see what was asked. A file that
// is missing or cannot be played is silence: nothing is said.
class Sound
{
public:
    virtual ~Sound() = default;
    virtual void play(const QString& path) = 0;
    // Stops what is playing, if anything.
    virtual void stop() = 0;
};
