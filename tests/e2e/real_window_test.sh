#!/usr/bin/env bash
# Drives the real editor window under a virtual X server as a user would:
# loads a fixture save through the file dialog, types a new level for member
# 0, switches to member 1, exports it as "team", switches to member 2, imports
# team.pkm over it and writes the save; check_saved_file then judges every
# byte of the written file against the fixture.
#
# usage: real_window_test.sh QUORVANE MAKE_FIXTURE_SAVE CHECK_SAVED_FILE
set -euo pipefail

# A hung dialog or server must end the run, never stall it: the whole test
# runs under a time limit, and the clean-up below runs on every way out.
if [ -z "${REAL_WINDOW_TEST_LIMITED:-}" ]; then
    REAL_WINDOW_TEST_LIMITED=1 exec timeout --kill-after=5 60 "$BASH" "$0" "$@"
fi

[ $# -eq 3 ] || { echo "usage: $0 QUORVANE MAKE_FIXTURE_SAVE CHECK_SAVED_FILE" >&2; exit 2; }
quorvane=$1 make_fixture_save=$2 check_saved_file=$3

source "$(dirname "$0")/window_session.sh"

readonly LEVEL=42
readonly EXPORTED_SLOT=1
readonly IMPORT_SLOT=2

work=$(mktemp -d "${TMPDIR:-/tmp}/quorvane-window.XXXXXX")
app="$work/app"
mkdir "$app"

finish() {
    local status=$?
    if [ $status -ne 0 ] && [ -n "$XVFB_PID" ] && command -v xwd >/dev/null; then
        xwd -root -silent >"$work/screen.xwd" 2>/dev/null
    fi
    xs_stop
    if [ $status -eq 0 ]; then
        rm -rf "$work"
    else
        echo "kept for a look: $work (editor output in app/quorvane.log)" >&2
    fi
    exit $status
}
trap finish EXIT
trap 'exit 1' INT TERM HUP

xs_require_tools Xvfb xdotool xdpyinfo

"$make_fixture_save" "$app/party.sav" || xs_fail "make_fixture_save could not write the fixture"
cp "$app/party.sav" "$work/original.sav"

xs_start_display "$work"
xs_start_editor "$quorvane" "$app"

xs_click "$LOAD_BUTTON"
xs_answer_dialog "Open" "$app/party.sav"

xs_click "$LEVEL_EDIT"
xdotool key ctrl+a
xdotool type "$LEVEL"

# Leaving member 0 commits the level typed.
xs_pick_next_party_member

# The name is typed without a suffix: the export adds ".pkm".
xs_click "$EXPORT_BUTTON"
xs_answer_dialog "Save As" "team"
pkm_written() { [ "$(stat -c %s "$app/team.pkm" 2>/dev/null)" = 75 ]; }
xs_poll 10 pkm_written || xs_fail "export wrote no 75-byte $app/team.pkm (the folder holds: $(ls "$app" | tr "\n" " "))"
[ ! -e "$app/team" ] || xs_fail "export also wrote a file named team without the suffix"

xs_pick_next_party_member

xs_click "$IMPORT_BUTTON"
xs_answer_dialog "Open" "$app/team.pkm"

xs_click "$SAVE_BUTTON"
save_written() { ! cmp -s "$app/party.sav" "$work/original.sav"; }
xs_poll 10 save_written || xs_fail "\"Ulozit SAV\" did not change $app/party.sav"

# The editor asks nothing on closing and keeps nothing, so ending it is all
# the closing a window without a window manager gets.
xs_stop

"$check_saved_file" "$work/original.sav" "$app/party.sav" "$LEVEL" "$EXPORTED_SLOT" "$IMPORT_SLOT"
