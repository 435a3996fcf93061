#!/usr/bin/env bash
# End to end under the test's own Xvfb, on a board whose search runs for ages: the wait window
# has an empty name, and Esc cancels the search however the player moved the focus meanwhile:
# a click on the grid or on the menu bar, Alt+Tab away and back, or another program giving the
# game window the focus.
# Usage: wait_window_keys.sh PATH/TO/ninefold PATH/TO/ninefold-cli
set -euo pipefail

game=$1
cli=$2
source "$(dirname "$0")/x_session.sh"

# Box 9 has no place left for a 9, which only a search through the rows above discovers. Solve
# would see that at once and skip every branch; the two 1s of row 1, once Check Diagram has
# marked them, make a board that holds a repeat already, on which Solve tries every branch as
# it comes, so the search runs for ages.
board=11..........................................................345......6789........
echo "$board" | "$cli" convert - "$work/endless.nfd"

start_xvfb
# A window manager, for clicks that focus a window and for Alt+Tab, and another program's
# window to switch to and back from.
command -v openbox >/dev/null || fail "openbox is not installed (tools/install-deps)"
# Its start-up command runs once it manages windows; one mapped earlier may stay unmanaged.
HOME=$work openbox --sm-disable --startup "touch $work/wm-ready" >"$work/openbox.log" 2>&1 &
wm_pid=$!
wait_for 100 test -e "$work/wm-ready" || fail "openbox did not start"
xmessage -name other other >/dev/null 2>&1 &
other_pid=$!
trap 'kill $wm_pid $other_pid 2>/dev/null || true; cleanup' EXIT
# Mapped before the game starts, so that the window manager focuses the game's window last.
wait_for 100 xdotool search --onlyvisible --classname '^other$' || fail "no other window"
other=$(xdotool search --onlyvisible --classname '^other$' | head -1)

QT_QPA_PLATFORM=xcb "$game" "$work/endless.nfd" >"$work/game.log" 2>&1 &
game_pid=$!
window=$(game_window)

gone() {
    ! xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable'
}

# The game's one other visible window.
other_window() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null); do
        [ "$id" != "$window" ] && echo "$id" && return 0
    done
    return 1
}

# Starts Solve afresh and prints the wait window's id: a cancelled search leaves its digits,
# which Clear blue numbers removes first.
start_solve() {
    xdotool windowactivate --sync "$window"
    sleep 0.2
    xdotool key --clearmodifiers ctrl+z ctrl+a
    wait_for 100 other_window || fail "no wait window"
    other_window
}

# Esc must end the search; the "no solution" message box that follows is answered.
expect_cancel() {
    local wait=$1 what=$2
    xdotool key Escape
    wait_for 100 gone "$wait" ||
        fail "Esc after $what did not cancel the search"
    wait_for 100 other_window || fail "no message after cancelling"
    local box
    box=$(other_window)
    xdotool windowfocus --sync "$box"
    xdotool key Return
    wait_for 50 gone "$box" ||
        fail "message box stayed"
}

# Check Diagram marks the repeat; its report is answered.
xdotool windowactivate --sync "$window"
xdotool key --clearmodifiers ctrl+c
wait_for 100 other_window || fail "no report from Check Diagram"
report=$(other_window)
xdotool windowfocus --sync "$report"
xdotool key Return
wait_for 50 gone "$report" || fail "the report stayed"

read -r x y < <(xdotool getwindowgeometry --shell "$window" | awk -F= '
    $1 == "X" { x = $2 } $1 == "Y" { y = $2 } END { print x, y }')

wait=$(start_solve)
# Both names present and empty: xprop shows nothing after the '='.
names=$(xprop -id "$wait" _NET_WM_NAME WM_NAME)
[ "$(grep -cE '^(_NET_WM_NAME\(UTF8_STRING\)|WM_NAME\(STRING\)) = $' <<<"$names")" = 2 ] ||
    fail "wait window names: $names"
xdotool mousemove $((x + 150)) $((y + 200)) click 1
sleep 0.3
expect_cancel "$wait" "a click on the grid"

wait=$(start_solve)
xdotool mousemove $((x + 20)) $((y + 8)) click 1
sleep 0.3
expect_cancel "$wait" "a click on the menu bar"

wait=$(start_solve)
xdotool windowactivate --sync "$other"
sleep 0.3
[ "$(xdotool getwindowfocus)" = "$other" ] || fail "could not switch to another window"
xdotool key alt+Tab
sleep 0.5
expect_cancel "$wait" "Alt+Tab away and back"

wait=$(start_solve)
xdotool windowfocus "$window"
sleep 0.3
expect_cancel "$wait" "another program gave the game window the focus"
echo PASS
