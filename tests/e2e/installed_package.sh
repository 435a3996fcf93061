#!/usr/bin/env bash
# The Debian package as a player gets it: built from this build folder, extracted into a
# temporary root, and both programs run from there. The game runs as an unprivileged user
# (uid 65534, for whom the root-owned program folder is not writable, as /usr/games is for
# a player) with a puzzle on its command line: its recent list must appear in the player's
# data folder, made on the spot, and Save as must start in the home folder.
# Usage: installed_package.sh BUILD_FOLDER
set -euo pipefail

build=$(cd "$1" && pwd)
source "$(dirname "$0")/x_session.sh"
chmod 755 "$work"
as_player() { setpriv --reuid=65534 --regid=65534 --clear-groups "$@"; }

cpack -G DEB -B "$work/package" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack could not build the package"; }
deb=$(ls "$work"/package/ninefold_*.deb)
root=$work/root
dpkg-deb -x "$deb" "$root"
games=$root/usr/games
for page in ninefold ninefold-cli; do
    test -s "$root/usr/share/man/man6/$page.6.gz" || fail "no manual page $page(6)"
done
test -s "$root/usr/share/doc/ninefold/copyright" || fail "no copyright file"

as_player test -x "$games/ninefold" ||
    fail "uid 65534 cannot reach $games (is $work under a folder closed to others?)"
as_player test -w "$games" && fail "the program folder is writable for uid 65534"

givens=$(as_player "$games/ninefold-cli" generate --seed 7) || fail "ninefold-cli generate failed"
givens=${givens%% *}
solution=$(as_player "$games/ninefold-cli" solve <<<"$givens") || fail "not solved: $solution"
[[ "$solution" == *" solved" ]] || fail "ninefold-cli printed: $solution"

home=$work/home
mkdir -m 700 "$home"
puzzle=$home/start.nfd
"$games/ninefold-cli" convert - "$puzzle" <<<"$givens"
chown -R 65534:65534 "$home"
# No data folder yet: the game must make it.
data=$home/.local/share
list="$data/ninefold/Recent Files.txt"

start_xvfb
as_player env -i HOME="$home" XDG_DATA_HOME="$data" DISPLAY="$DISPLAY" QT_QPA_PLATFORM=xcb \
    "$games/ninefold" "$puzzle" >"$work/game.log" 2>&1 &
game_pid=$!
window=$(game_window)

wait_for 50 test -s "$list" || { cat "$work/game.log"; fail "no recent list at $list"; }
printf '"%s"\r\n' "$puzzle" | cmp - "$list" || fail "recent list holds $(cat "$list")"

xdotool windowfocus --sync "$window"
save_as "saved"
wait_for 100 test -s "$home/saved.nfd" || fail "Save as did not start in the home folder"
cmp "$puzzle" "$home/saved.nfd" || fail "saved bytes differ from the opened file"
echo "PASS"
