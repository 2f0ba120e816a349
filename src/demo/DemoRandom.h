#pragma once

#include <QtGlobal>
#include <span>

// A small deterministic random source (splitmix64): the same seed gives the same numbers on every
// compiler and library, which the standard distributions do not promise.
class DemoRandom
{
public:
    explicit DemoRandom(quint64 seed) : m_state(seed) {}

    // An independent source for one record of one archive: changing how many records another archive
    // gets never changes this one.
    static DemoRandom forRecord(quint64 seed, quint64 stream, quint64 index)
    {
        DemoRandom mixer(seed ^ (stream * 0x9E3779B97F4A7C15ull));
        return DemoRandom(mixer.next() ^ (index * 0xD1B54A32D192ED03ull));
    }

    quint64 next()
    {
        quint64 z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // 0 <= result < n, for n > 0.
    int below(int n) { return static_cast<int>(((next() >> 32) * static_cast<quint64>(n)) >> 32); }

    // low <= result <= high.
    int between(int low, int high) { return low + below(high - low + 1); }

    bool chance(int percent) { return below(100) < percent; }

    template <typename T> const T& pick(std::span<const T> items)
    {
        return items[static_cast<std::size_t>(below(static_cast<int>(items.size())))];
    }

private:
    quint64 m_state;
};
