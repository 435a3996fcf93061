#!/usr/bin/env bash
# The Debian package as a player gets it: built from this build folder, extracted into a
# temporary root, and both programs run from there. The game runs as an unprivileged user
# (uid 65534, for whom the root-owned program folder is not writable, as /usr/games is for
# a player) with a puzzle on its command line: its recent list must appear in the player's
# data folder, made on the spot, and Save as must start in the home folder. Then root runs it:
# root may write the program folder, yet it is the system's, so nothing may appear there.
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
kill "$game_pid"
wait "$game_pid" 2>/dev/null || true
game_pid=""

# Root, as through sudo. Where a private mount namespace can be had, the extracted programs
# are seen at /usr/games itself, as installed; elsewhere the folder is handed to another
# user, so that it belongs to someone else as /usr/games belongs to the system.
root_home=$work/root-home
mkdir -m 700 "$root_home"
root_list="$root_home/.local/share/ninefold/Recent Files.txt"
beside=$(ls -A "$games")
root_game() {
    env -i HOME="$root_home" XDG_DATA_HOME="$root_home/.local/share" DISPLAY="$DISPLAY" \
        QT_QPA_PLATFORM=xcb "$@" >"$work/root-game.log" 2>&1 &
    game_pid=$!
}
if unshare -m true 2>/dev/null; then
    root_game unshare -m sh -c 'mount --bind "$0" /usr/games && exec /usr/games/ninefold "$1"' \
        "$games" "$puzzle"
else
    chown -R 65534:65534 "$games"
    root_game "$games/ninefold" "$puzzle"
fi
game_window >/dev/null
wait_for 50 test -s "$root_list" || { cat "$work/root-game.log"; fail "no recent list at $root_list"; }
[ "$(ls -A "$games")" = "$beside" ] || fail "run by root, the game wrote into its folder: $(ls -A "$games")"
echo "PASS"
