#!/usr/bin/env bash
# Takes the pictures of the window for the README: docs/window.png as the
# editor starts, with nothing loaded, and docs/window-loaded.png with a
# three-member party loaded through the file dialog. Runs the editor built
# in BUILD_DIR (default build) under its own virtual X server.
#
# usage: scripts/screenshot.sh [BUILD_DIR]
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$repo/build}" 2>/dev/null && pwd) || { echo "no build folder ${1:-$repo/build}; run make first" >&2; exit 1; }
quorvane="$build/quorvane"
make_fixture_save="$build/tests/e2e/make_fixture_save"
for program in "$quorvane" "$make_fixture_save"; do
    [ -x "$program" ] || { echo "$program is missing; run make first" >&2; exit 1; }
done

source "$repo/tests/e2e/window_session.sh"
xs_require_tools Xvfb xdotool xdpyinfo

if ! command -v import >/dev/null; then
    as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(sudo)
    "${as_root[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends imagemagick
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/quorvane-screenshot.XXXXXX")
trap 'xs_stop; rm -rf "$work"' EXIT

# The raw pixels of the window, to tell when a repaint has finished.
window_pixels() { import -window "$EDITOR_WINDOW" rgb:- 2>/dev/null | md5sum; }

# Waits until the window differs from the picture given and has stopped
# changing, so that no half-painted frame is taken.
wait_for_new_picture() {
    local before=$1 previous="" current tries=100
    while ((tries-- > 0)); do
        current=$(window_pixels)
        [ "$current" != "$before" ] && [ "$current" = "$previous" ] && return 0
        previous=$current
        sleep 0.1
    done
    xs_fail "the window did not change"
}

wait_for_steady_picture() { wait_for_new_picture ""; }

# Without the time stamps a PNG would carry, an unchanged window gives an
# unchanged file.
take_picture() { import -window "$EDITOR_WINDOW" -strip -define png:exclude-chunks=date,time "$1"; }

"$make_fixture_save" "$work/party.sav"
xs_start_display "$work"
xs_start_editor "$quorvane" "$work"
mkdir -p "$repo/docs"

# The pointer rests outside the window, so no control is drawn hovered.
xdotool mousemove --sync 1000 700
wait_for_steady_picture
empty=$(window_pixels)
take_picture "$repo/docs/window.png"

xs_click "$LOAD_BUTTON"
xs_answer_dialog "Open" "$work/party.sav"
xdotool mousemove --sync 1000 700
wait_for_new_picture "$empty"
take_picture "$repo/docs/window-loaded.png"

echo "wrote $repo/docs/window.png and $repo/docs/window-loaded.png"
