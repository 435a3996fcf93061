#!/usr/bin/env bash
# End to end under a window manager: File > Load with a path typed until the name field's
# suggestion list drops down, then Enter. The file loads, and afterwards the game shows no
# window but its own (no suggestion list left over holding the keys), and the Enter did not
# reach the board: Save as writes the loaded file's bytes again.
# Usage: dialog_leaves_nothing.sh PATH/TO/ninefold
set -euo pipefail

game=$1
source "$(dirname "$0")/x_session.sh"

mkdir -p "$work/bin" "$work/in" "$work/out"
cp "$game" "$work/bin/ninefold"
# A 5 in the first cell, given; a second name with the same start keeps the list open.
for name in five fivefold; do
    { printf '\x05\xff\xff'; head -c 240 /dev/zero; } >"$work/in/$name.nfd"
done

start_xvfb
command -v openbox >/dev/null || fail "openbox is not installed (tools/install-deps)"
HOME=$work openbox --sm-disable --startup "touch $work/wm-ready" >"$work/openbox.log" 2>&1 &
wm_pid=$!
trap 'kill $wm_pid 2>/dev/null || true; cleanup' EXIT
wait_for 100 test -e "$work/wm-ready" || fail "openbox did not start"

env -u QT_QPA_PLATFORMTHEME QT_QPA_PLATFORM=xcb "$work/bin/ninefold" >"$work/game.log" 2>&1 &
game_pid=$!
window=$(game_window)
visible() { xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | wc -l; }

xdotool windowactivate --sync "$window"
xdotool key --clearmodifiers ctrl+o
wait_for 100 xdotool search --onlyvisible --name '^Open$' || fail "no Open dialog"
sleep 0.3
xdotool type --delay 30 "$work/in/five.nfd"
# The game window, the dialog and the suggestion list.
wait_for 50 test "$(visible)" -ge 3 || fail "the name field's suggestion list did not drop down"
xdotool key --clearmodifiers Return

list="$work/bin/Recent Files.txt"
wait_for 50 test -s "$list" || fail "the file did not load"
sleep 0.5
[ "$(visible)" -eq 1 ] || fail "$(visible) windows of the game are mapped after Load, not 1"

xdotool windowactivate --sync "$window"
save_as "$work/out/copy"
wait_for 100 test -s "$work/out/copy.nfd" || fail "Save as did not save: the keys went elsewhere"
cmp "$work/in/five.nfd" "$work/out/copy.nfd" || fail "the board changed after Load: $(od -An -tu1 -N3 "$work/out/copy.nfd")"
wait_for 20 test "$(visible)" -eq 1 || fail "a window of the Save dialog stayed"
echo "PASS"
