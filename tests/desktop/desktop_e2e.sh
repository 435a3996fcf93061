#!/usr/bin/env bash
# End to end under the test's own Xvfb: the real game shows its icon at the style's two sizes,
# real wheel turns over the window step the current cell once each, and Shift+Alt+E / D
# register and remove the ".nfd" association in temporary XDG folders. The board is read back
# by saving it. Usage: desktop_e2e.sh PATH/TO/ninefold
set -euo pipefail

game=$1
source "$(dirname "$0")/../e2e/x_session.sh"

# The program in a folder with a blank in its name, which the open command must survive.
program="$work/game folder/ninefold"
mkdir -p "$work/game folder" "$work/home" "$work/data" "$work/config"
cp "$game" "$program"
export HOME=$work/home XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION QT_QPA_PLATFORMTHEME KDE_FULL_SESSION

start_xvfb

QT_QPA_PLATFORM=xcb "$program" >"$work/game.log" 2>&1 &
game_pid=$!
window=$(game_window)

# The icon at the style's large and small sizes (32 and 16 with Qt's own style). The window
# gets its caption, by which it was found, a moment before its icons.
window_icons() {
    xprop -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | sort | tr '\n' ' ' || true
}
has_both_icons() { [ "$(window_icons)" = "Icon (16 x 16) Icon (32 x 32) " ]; }
wait_for 50 has_both_icons || fail "window icons: $(window_icons)"

# Three turns away from the user and one towards it, with the pointer in the window's margin
# and cell 1 focused: 1, 2, 3, then back to 2. With Alt held the turns still step (X11 reports
# them as sideways scrolls): up to 4 and back to 3; a sideways tilt steps nothing, with Alt
# (which X11 reports as a vertical turn) or without.
xdotool windowfocus --sync "$window"
xdotool mousemove --window "$window" 6 200
sleep 0.2
for button in 4 4 4 5; do
    xdotool click "$button"
    sleep 0.1
done
xdotool keydown alt click 4 click 4 click 5 click 7 keyup alt click 6
sleep 0.1

entry=$XDG_DATA_HOME/applications/ninefold-association.desktop
xdotool key --clearmodifiers shift+alt+e
wait_for 50 test -s "$entry" || fail "Shift+Alt+E wrote no desktop entry"
grep -qxF "Exec=\"$program\" %f" "$entry" || fail "entry: $(cat "$entry")"
wait_for 50 test -s "$XDG_DATA_HOME/mime/mime.cache" || fail "MIME database not updated"
[ "$(xdg-mime query default application/x-ninefold)" = ninefold-association.desktop ] ||
    fail "default application: $(xdg-mime query default application/x-ninefold)"

xdotool key --clearmodifiers shift+alt+d
wait_for 50 test ! -e "$entry" || fail "Shift+Alt+D left the desktop entry"
test ! -e "$XDG_DATA_HOME/mime/packages/Ninefold.xml" || fail "Shift+Alt+D left the MIME package"
! grep -q ninefold "$XDG_CONFIG_HOME/mimeapps.list" || fail "default application left behind"

save_as "$work/board"
wait_for 100 test -s "$work/board.nfd" || fail "board not saved"
first=$(head -c 3 "$work/board.nfd" | od -An -tx1 | tr -d ' \n')
[ "$first" = 03ffff ] || fail "cell 1 holds $first after the wheel turns, not a Fixed 3"
echo "PASS"
