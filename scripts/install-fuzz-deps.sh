#!/usr/bin/env bash
# Installs what `make fuzz` needs beyond the normal build: Debian's clang, the
# runtime that carries libFuzzer and the sanitizers for it, and the symbolizer
# that turns a finding's stack into file names and lines. Only missing
# packages are installed, so running it again costs nothing.
set -euo pipefail

packages=(clang libclang-rt-14-dev llvm)

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
