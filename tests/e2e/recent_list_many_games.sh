#!/usr/bin/env bash
# Several copies of the real game started at once, each opening a different puzzle from its
# command line, all sharing one "Recent Files.txt": every file must end up on the list once,
# the list well formed, and no lock or temporary file left beside it.
# Usage: recent_list_many_games.sh PATH/TO/ninefold [COPIES]
set -euo pipefail

game=$1
copies=${2:-10}
source "$(dirname "$0")/x_session.sh"

mkdir -p "$work/bin" "$work/puzzles"
cp "$game" "$work/bin/ninefold"
for i in $(seq "$copies"); do
    head -c 243 /dev/zero >"$work/puzzles/game $i.nfd"
done

pids=()
stop_games() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    cleanup
}
trap stop_games EXIT

export QT_QPA_PLATFORM=offscreen
for i in $(seq "$copies"); do
    "$work/bin/ninefold" "$work/puzzles/game $i.nfd" >"$work/game$i.log" 2>&1 &
    pids+=("$!")
done

list="$work/bin/Recent Files.txt"
entries() { cat "$list" 2>/dev/null | grep -c . || true; }
# Every copy has added its file once it has shown its window; a lost entry never comes back,
# so the wait ends when the count stops growing for a while.
last=-1
steady=0
for _ in $(seq 600); do
    now=$(entries)
    [ "$now" -ge "$copies" ] && break
    if [ "$now" = "$last" ]; then steady=$((steady + 1)); else steady=0; last=$now; fi
    [ "$steady" -ge 100 ] && break
    sleep 0.1
done
sleep 0.5

for i in $(seq "$copies"); do
    n=$(grep -cxF "\"$work/puzzles/game $i.nfd\"$(printf '\r')" "$list" || true)
    [ "$n" = 1 ] || fail "game $i.nfd is listed $n times; the list holds:$(printf '\n')$(cat "$list")"
done
[ "$(entries)" = "$copies" ] || fail "the list holds $(entries) lines, not $copies"
leftovers=$(cd "$work/bin" && ls -A | grep -vxF -e ninefold -e "Recent Files.txt" || true)
[ -z "$leftovers" ] || fail "left beside the list: $leftovers"
echo "PASS"
