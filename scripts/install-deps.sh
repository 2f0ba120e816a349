#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the screenshots need; does nothing when all are there.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-charts-dev libqt6opengl6-dev
  qt6-multimedia-dev qt6-svg-dev qt6-translations-l10n qt6-tools-dev qt6-l10n-tools
  fonts-liberation fonts-dejavu-core
  poppler-utils xvfb xauth imagemagick
  sox libsox-fmt-mp3 pulseaudio pulseaudio-utils
  python3-pyatspi at-spi2-core dbus-daemon dbus-bin xdotool xclip libreoffice-calc-nogui
  libsqlite3-dev clang libclang-rt-14-dev
  dpkg-dev file desktop-file-utils appstream help2man lintian
  libpq-dev postgresql-15
  orca speech-dispatcher speech-dispatcher-espeak-ng openbox x11-utils locales
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The screen-reader day speaks Italian: the locale it runs in.
if ! locale -a 2>/dev/null | grep -qi '^it_IT\.utf-\?8$'; then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" sed -i 's/^# *\(it_IT\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  "${sudo_cmd[@]}" locale-gen it_IT.UTF-8 >/dev/null
fi
