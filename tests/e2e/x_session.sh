# Shared by the end-to-end scripts: a temporary work folder cleaned up on exit, failure
# reporting, polling, a private Xvfb, and the Save As dialog driven by keys.
# Source it; it sets `work` and, after start_xvfb, DISPLAY.

work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Wait up to $1 tenths of a second for the command after it to succeed.
wait_for() {
    local tenths=$1
    shift
    for _ in $(seq "$tenths"); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# Starts a private Xvfb and points DISPLAY at it. Xvfb picks a free display itself and writes
# its number once it listens, so two tests starting at once can't pick the same one; -noreset
# keeps it accepting connections when its last client leaves between two runs of the game.
start_xvfb() {
    Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp \
        3>"$work/display" >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    wait_for 100 test -s "$work/display" || fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$work/display")"
}

# Waits for the game's window and prints its id.
game_window() {
    wait_for 200 xdotool search --onlyvisible --name '^Ninefold$' || fail "no game window"
    xdotool search --onlyvisible --name '^Ninefold$' | head -1
}

# File > Save as with its shortcut, the name typed over the dialog's suggestion.
save_as() {
    xdotool key --clearmodifiers ctrl+s
    wait_for 100 xdotool search --onlyvisible --name '^Save As$' || fail "no Save dialog"
    local dialog
    dialog=$(xdotool search --onlyvisible --name '^Save As$' | head -1)
    xdotool windowfocus --sync "$dialog"
    sleep 0.3
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 20 "$1"
    xdotool key --clearmodifiers Return
}
