#pragma once

// Installs the desktop's implementation of every service; the program calls it once at start-up.
namespace DesktopServices {
void install();
}
