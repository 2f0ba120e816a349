#include "screens/ChartColours.h"

#include <cmath>

namespace {

constexpr quint32 kBlack = 0x000000;
constexpr quint32 kWhite = 0xFFFFFF;

// One sRGB channel (0-255) as linear light.
double linear(quint32 channel)
{
    const double value = double(channel & 0xFF) / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

} // namespace

namespace ChartColours {

const std::array<quint32, 12>& months()
{
    static constexpr std::array<quint32, 12> colours = {0xFF0000, 0x0000FF, 0xFFE4C4, 0xFF00FF,
                                                        0xC0DCC0, 0xFFFF00, 0x00FF00, 0xC0C0C0,
                                                        0xF0FBFF, 0x87CEEB, 0x800000, 0x008000};
    return colours;
}

double luminance(quint32 rgb)
{
    return 0.2126 * linear(rgb >> 16) + 0.7152 * linear(rgb >> 8) + 0.0722 * linear(rgb);
}

double contrast(quint32 first, quint32 second)
{
    const double a = luminance(first);
    const double b = luminance(second);
    return (qMax(a, b) + 0.05) / (qMin(a, b) + 0.05);
}

quint32 labelOn(quint32 background)
{
    return contrast(background, kWhite) > contrast(background, kBlack) ? kWhite : kBlack;
}

} // namespace ChartColours
