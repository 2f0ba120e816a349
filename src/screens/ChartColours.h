#pragma once

#include <array>
#include <QtGlobal>

// The colours of the monthly charts: each month's own, the same in bars and pie, and the colour of the
// value written inside a bar, black or white, whichever stands out more against it.
namespace ChartColours {

// 0xRRGGBB, January first.
const std::array<quint32, 12>& months();

// Relative luminance of an sRGB colour, from 0 (black) to 1 (white), as accessibility guidelines
// measure it.
double luminance(quint32 rgb);

// The contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double contrast(quint32 first, quint32 second);

// Black (0x000000) or white (0xFFFFFF), whichever has the higher contrast against the background.
quint32 labelOn(quint32 background);

} // namespace ChartColours
