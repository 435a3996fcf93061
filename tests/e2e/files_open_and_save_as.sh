#!/usr/bin/env bash
# End to end, as a player would: the real game started under Xvfb with a puzzle file on its
# command line, then File > Save as (Ctrl+S) to a new name typed into the dialog without an
# extension. The saved file must hold the same bytes, and the opened one must head the
# recent-files list beside the program. Usage: files_open_and_save_as.sh PATH/TO/ninefold
set -euo pipefail

game=$1
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

display=""
for n in $(seq 90 140); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
        display=":$n"
        break
    fi
done
[ -n "$display" ] || fail "no free display number"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
wait_for 100 xdpyinfo || fail "Xvfb did not start"

# Quoted on purpose: the game removes the quotes and joins its arguments with blanks.
env -u QT_QPA_PLATFORMTHEME -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION QT_QPA_PLATFORM=xcb "$work/bin/ninefold" "\"$puzzle\"" \
    >"$work/game.log" 2>&1 &
game_pid=$!
wait_for 200 xdotool search --onlyvisible --name '^Ninefold$' || fail "no game window"
window=$(xdotool search --onlyvisible --name '^Ninefold$' | head -1)

list="$work/bin/Recent Files.txt"
wait_for 50 test -s "$list" || fail "the opened file was not put on the recent list"
printf '"%s"\r\n' "$puzzle" | cmp - "$list" || fail "recent list holds $(cat "$list")"

xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers ctrl+s
wait_for 100 xdotool search --onlyvisible --name '^Save As$' || fail "no Save dialog"
dialog=$(xdotool search --onlyvisible --name '^Save As$' | head -1)
xdotool windowfocus --sync "$dialog"
sleep 0.3
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 "$work/out/saved copy"
xdotool key --clearmodifiers Return

wait_for 100 test -s "$work/out/saved copy.nfd" || fail "nothing saved (default extension .nfd)"
cmp "$puzzle" "$work/out/saved copy.nfd" || fail "saved bytes differ from the opened file"
printf '"%s"\r\n' "$puzzle" | cmp - "$list" || fail "saving changed the recent list"
echo "PASS"
