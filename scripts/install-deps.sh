#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages the editor and its tests need, and only
# those that are missing, so running it again costs nothing.
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

missing=()
for package in "${packages[@]}"; do
  dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
