# Sourced by the scripts that run the real editor window under a virtual X
# server: starting and stopping the server and the editor, clicking controls by
# their place in the window, and answering Qt's file dialogs by typing.
#
# Without a window manager nothing moves or decorates the window, so a control
# sits at the window's position plus its place in the layout, and the dialogs
# keep the titles Qt gives them ("Open", "Save As"). Each step waits for the
# window to show the effect of the one before: input sent earlier can land in
# a window that is just closing.

# Controls as "left top width height" in the window.
readonly LOAD_BUTTON="16 8 129 25"
readonly SAVE_BUTTON="184 8 131 25"
readonly PARTY_CHOOSER="128 40 145 22"
readonly LEVEL_EDIT="88 96 57 22"
readonly EXPORT_BUTTON="240 288 41 25"
readonly IMPORT_BUTTON="288 288 41 25"
readonly WINDOW_TITLE="Quorvane pro Pokemon Red/Blue/Yellow"
readonly WINDOW_SIZE="332x338"

XVFB_PID=""
EDITOR_PID=""
EDITOR_WINDOW=""
WINDOW_X=""
WINDOW_Y=""

xs_fail() {
    echo "FAIL: $*" >&2
    exit 1
}

xs_require_tools() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || xs_fail "$tool is missing; scripts/install-deps.sh installs it"
    done
}

# Runs a command every 50 ms until it succeeds or the seconds run out; fails
# at once if the editor has exited meanwhile.
xs_poll() {
    local seconds=$1
    shift
    local tries=$((seconds * 20))
    while ((tries-- > 0)); do
        "$@" && return 0
        if [ -n "$EDITOR_PID" ] && ! kill -0 "$EDITOR_PID" 2>/dev/null; then
            xs_fail "the editor exited while waiting for: $*"
        fi
        sleep 0.05
    done
    return 1
}

# Display numbers far above the ones people and tools usually take by hand,
# so that nobody clears the lock and socket of a display in use. Xvfb itself
# refuses a number that is taken; the lock then names another server.
xs_start_display() {
    local folder=$1 attempt number
    for attempt in $(seq 20); do
        number=$((400 + RANDOM % 600))
        [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ] && continue
        Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >"$folder/xvfb.log" 2>&1 &
        XVFB_PID=$!
        export DISPLAY=":$number"
        if xs_poll 10 xs_display_is_ours "$number"; then
            xs_poll 10 xdpyinfo_answers || xs_fail "display $DISPLAY does not answer"
            return 0
        fi
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
        XVFB_PID=""
    done
    xs_fail "found no free display for Xvfb: $(cat "$folder/xvfb.log")"
}

# The lock file of a display holds the process id of the server owning it.
xs_display_is_ours() {
    kill -0 "$XVFB_PID" 2>/dev/null || return 1
    [ "$(tr -d ' \n' 2>/dev/null <"/tmp/.X$1-lock")" = "$XVFB_PID" ] || return 1
}

xdpyinfo_answers() { xdpyinfo >/dev/null 2>&1; }

# Runs a copy of the editor placed in folder, so that its file dialogs start
# there, and waits for its window. Qt keeps its settings and runtime files in
# folder too, so a run neither reads nor leaves anything in the home folder.
xs_start_editor() {
    local binary=$1 folder=$2
    cp "$binary" "$folder/quorvane"
    mkdir -p "$folder/.runtime" "$folder/.config"
    chmod 700 "$folder/.runtime"
    (cd "$folder" && XDG_RUNTIME_DIR="$folder/.runtime" XDG_CONFIG_HOME="$folder/.config" \
        QT_QPA_PLATFORM=xcb exec ./quorvane) >"$folder/quorvane.log" 2>&1 &
    EDITOR_PID=$!
    EDITOR_WINDOW=$(xs_wait_window "^$WINDOW_TITLE\$") || xs_fail "no window titled \"$WINDOW_TITLE\""
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$EDITOR_WINDOW")"
    [ "${WIDTH}x${HEIGHT}" = "$WINDOW_SIZE" ] ||
        xs_fail "window is ${WIDTH}x${HEIGHT}, the click points assume $WINDOW_SIZE"
    WINDOW_X=$X
    WINDOW_Y=$Y
}

# Prints the id of the visible window whose title matches the pattern.
xs_find_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 | grep .; }

xs_wait_window() { xs_poll 10 xs_find_window "$1"; }

# Clicks the middle of a control given as "left top width height".
xs_click() {
    local left top width height
    read -r left top width height <<<"$1"
    xdotool mousemove --sync $((WINDOW_X + left + width / 2)) $((WINDOW_Y + top + height / 2)) click "${2:-1}"
}

# Prints a visible window of the editor besides its main window: a file
# dialog, the completion list under a dialog's file name field, or the open
# list of a chooser. The lists have no title in the X sense (no WM_NAME), so
# windows are told by the program's class instead.
xs_find_other_window() {
    xdotool search --onlyvisible --classname '^quorvane$' 2>/dev/null | grep -vx "$EDITOR_WINDOW" | head -n 1 | grep .
}

# While a list is open it holds the pointer grabbed, and a click meant for
# the main window goes to the list instead; so every step waits for this.
xs_only_main_window() { ! xs_find_other_window >/dev/null; }

# Answers the file dialog titled title by typing text into its file name
# field, which has the keyboard focus when the dialog opens, and pressing
# Return; waits until the dialog and its completion list have closed.
xs_answer_dialog() {
    local title=$1 text=$2 dialog
    dialog=$(xs_wait_window "^$title\$") || xs_fail "no \"$title\" dialog opened"
    timeout 5 xdotool windowfocus --sync "$dialog" || xs_fail "the \"$title\" dialog took no keyboard focus"
    xdotool type "$text"
    xdotool key Return
    xs_poll 10 xs_only_main_window || xs_fail "the \"$title\" dialog did not take \"$text\""
}

# Opens the party chooser and picks the entry below the one selected.
xs_pick_next_party_member() {
    xs_click "$PARTY_CHOOSER"
    xs_poll 10 xs_find_other_window >/dev/null || xs_fail "the party chooser did not open its list"
    xdotool key Down Return
    xs_poll 10 xs_only_main_window || xs_fail "the party chooser's list did not close"
}

# Ends what this session started, and only that, whatever state it is in.
xs_stop() {
    if [ -n "$EDITOR_PID" ]; then
        kill "$EDITOR_PID" 2>/dev/null || true
        wait "$EDITOR_PID" 2>/dev/null || true
        EDITOR_PID=""
    fi
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
        XVFB_PID=""
    fi
    return 0
}
