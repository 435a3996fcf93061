#!/usr/bin/env bash
# End to end, as a player would: the real game started under Xvfb with a puzzle file on its
# command line, then File > Save as (Ctrl+S) to a new name typed into the dialog without an
# extension. The saved file must hold the same bytes, and the opened one must head the
# recent-files list beside the program. Usage: files_open_and_save_as.sh PATH/TO/ninefold
set -euo pipefail

game=$1
source "$(dirname "$0")/x_session.sh"

# A copy of the program in its own folder, so its "Recent Files.txt" lands there and not
# beside the build's real program.
mkdir -p "$work/bin" "$work/in folder" "$work/out"
cp "$game" "$work/bin/ninefold"
puzzle="$work/in folder/my puzzle.nfd"
# 81 records: assorted digits, some Fixed, some not, some cells empty.
for i in $(seq 0 80); do
    digit=$(( i % 4 ? (i * 7) % 10 : 0 ))
    if [ "$digit" -ne 0 ] && [ $(( i % 3 )) -ne 0 ]; then flag='\xff\xff'; else flag='\x00\x00'; fi
    printf "\\x0$digit$flag"
done >"$puzzle"
[ "$(stat -c %s "$puzzle")" -eq 243 ] || fail "test puzzle is not 243 bytes"

start_xvfb

# Quoted on purpose: the game removes the quotes and joins its arguments with blanks.
env -u QT_QPA_PLATFORMTHEME -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION QT_QPA_PLATFORM=xcb "$work/bin/ninefold" "\"$puzzle\"" \
    >"$work/game.log" 2>&1 &
game_pid=$!
window=$(game_window)

list="$work/bin/Recent Files.txt"
wait_for 50 test -s "$list" || fail "the opened file was not put on the recent list"
printf '"%s"\r\n' "$puzzle" | cmp - "$list" || fail "recent list holds $(cat "$list")"

xdotool windowfocus --sync "$window"
save_as "$work/out/saved copy"

wait_for 100 test -s "$work/out/saved copy.nfd" || fail "nothing saved (default extension .nfd)"
cmp "$puzzle" "$work/out/saved copy.nfd" || fail "saved bytes differ from the opened file"
printf '"%s"\r\n' "$puzzle" | cmp - "$list" || fail "saving changed the recent list"
echo "PASS"
