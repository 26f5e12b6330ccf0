#!/usr/bin/env bash
# The Debian/Ubuntu packages the editor and its tests need; only the missing
# ones are installed.
set -euo pipefail

packages=(
  build-essential cmake
  qt6-base-dev libgl-dev
  libgtest-dev libgmock-dev
  xvfb xauth xdotool x11-utils
  fonts-liberation fonts-dejavu-core
  at-spi2-core python3-pyatspi dbus
  desktop-file-utils librsvg2-bin
  dpkg-dev file
)

exec "$(dirname "$0")/install-packages.sh" "${packages[@]}"
