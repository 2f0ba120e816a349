#pragma once

#include "platform/Sound.h"

#include <QStringList>

// Records the files asked to play and how many times playing was stopped.
class RecordedSound : public Sound
{
public:
    void play(const QString& path) override { m_played.append(path); }
    void stop() override { ++m_stops; }

    const QStringList& played() const { return m_played; }
    int stops() const { return m_stops; }

private:
    QStringList m_played;
    int m_stops = 0;
};
