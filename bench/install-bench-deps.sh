#!/usr/bin/env bash
# Installs what `make bench` needs beyond the editor's own packages, and only
# what is missing: Google Benchmark, and the X DAMAGE library through which
# the bench sees a window's first frame.
set -euo pipefail

packages=(libbenchmark-dev libxdamage-dev)

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
