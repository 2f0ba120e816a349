#!/usr/bin/env bash
# Builds the program, installs it as a portable program folder and starts it.
# The folder defaults to ~/Telvara; pass another as the first argument.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/install-deps.sh"
dest="${1:-$HOME/Telvara}"
build="$root/build/release"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTELVARA_BUILD_TESTS=OFF \
  -DTELVARA_BUILD_BENCH=OFF -DCMAKE_INSTALL_PREFIX="$dest" >/dev/null
cmake --build "$build" -j "$(nproc)"
cmake --install "$build" >/dev/null
# A menu entry for this user, pointing at the portable folder just installed.
applications="${XDG_DATA_HOME:-$HOME/.local/share}/applications"
mkdir -p "$applications"
sed -e "s|^Exec=.*|Exec=\"$dest/telvara\"|" -e "s|^Icon=.*|Icon=$dest/telvara.svg|" \
  "$root/assets/desktop/telvara.desktop" >"$applications/telvara.desktop"
echo "Telvara 3.0 installata in $dest (password iniziale: telvara)"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$dest/telvara"
else
  echo "Nessuno schermo disponibile: avvio su uno schermo virtuale (xvfb-run)."
  exec xvfb-run -a -s "-screen 0 1920x1080x24" "$dest/telvara"
fi
