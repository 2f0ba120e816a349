#pragma once

#include <QString>

// List lines are built of fixed-width columns so that they line up in a fixed-pitch font.
namespace FixedColumn {

// The text trimmed, followed by blanks and cut to exactly width characters.
QString pad(QStringView text, int width);

} // namespace FixedColumn
