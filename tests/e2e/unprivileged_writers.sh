#!/usr/bin/env bash
# The writers run as an ordinary user, as a player would meet them: File > Save as (through
# writers_driver) and "ninefold-cli convert" never replace a file the user may not write, save
# under the longest name the file system takes, create the file a dangling link names, and
# write a writable file in a folder that takes no new files; Shift+Alt+E and Shift+Alt+D
# leave an unreadable association file byte for byte as it was.
# Usage: unprivileged_writers.sh PATH/TO/ninefold-cli PATH/TO/writers_driver
set -euo pipefail

source "$(dirname "$0")/x_session.sh"

# Root ignores file permissions, so the writers run as nobody; the setup needs root to leave
# files owned by someone else.
[ "$(id -u)" = 0 ] || { echo "SKIP: needs root to run the writers as another user"; exit 77; }
user=65534
as_user() { setpriv --reuid=$user --regid=$user --clear-groups "$@"; }

chmod 755 "$work"
mkdir "$work/bin"
cp "$1" "$work/bin/ninefold-cli"
cp "$2" "$work/bin/writers_driver"
chmod 755 "$work/bin"/*
line="5$(printf '0%.0s' $(seq 79))9"
echo "$line" >"$work/in.txt"
chmod 644 "$work/in.txt"
as_user test -r "$work/in.txt" &&
    as_user test -x "$work/bin/ninefold-cli" || fail "user $user cannot run the programs in $work"

# save WRITER PATH: saves a board with a 5 in cell 1; the messages land in $work/err.
save() {
    case $1 in
        cli) as_user "$work/bin/ninefold-cli" convert "$work/in.txt" "$2" 2>"$work/err" ;;
        window) as_user env QT_QPA_PLATFORM=offscreen HOME="$work/home" XDG_RUNTIME_DIR="$work/home/run" \
                    "$work/bin/writers_driver" save "$2" 2>"$work/err" ;;
    esac
}
saved() { [ "$(head -c 3 "$1" | od -An -tx1 | tr -d ' \n')" = 05ffff ] && [ "$(stat -c %s "$1")" = 243 ]; }
expect_refused() {  # WRITER PATH
    if save "$1" "$2"; then fail "$1: saving over $2 succeeded"; fi
    grep -q "Permission denied" "$work/err" || fail "$1: no reason given: $(cat "$work/err")"
    if [ "$1" = window ]; then
        grep -qF "$2 could not be saved!" "$work/err" || fail "window: message $(cat "$work/err")"
    fi
}

for writer in cli window; do
    dir="$work/$writer"
    mkdir -p "$dir/locked" "$work/home/run"
    chmod 700 "$work/home/run"
    # Files the user may not write: read-only, and someone else's.
    echo old >"$dir/read-only.nfd"
    chmod 444 "$dir/read-only.nfd"
    echo old >"$dir/locked/theirs.nfd"
    cp -p "$dir/locked/theirs.nfd" "$dir/theirs.nfd"
    # A folder that takes no new files, holding a file the user may write.
    echo old >"$dir/locked/mine.nfd"
    chown -R $user:$user "$dir" "$work/home"
    chown root:root "$dir/locked" "$dir/locked/theirs.nfd" "$dir/theirs.nfd"
    chmod 755 "$dir/locked"
    ln -s "made by link.nfd" "$dir/dangling.nfd"
    chown -h $user:$user "$dir/dangling.nfd"

    for target in "$dir/read-only.nfd" "$dir/theirs.nfd" "$dir/locked/theirs.nfd"; do
        expect_refused $writer "$target"
        [ "$(cat "$target")" = old ] || fail "$writer: $target was replaced"
    done
    [ "$(stat -c %a "$dir/read-only.nfd")" = 444 ] || fail "$writer: read-only file changed mode"

    long="$dir/$(printf 'n%.0s' $(seq 251)).nfd"
    save $writer "$long" || fail "$writer: a 255-byte name: $(cat "$work/err")"
    saved "$long" || fail "$writer: a 255-byte name was not saved"

    save $writer "$dir/dangling.nfd" || fail "$writer: dangling link: $(cat "$work/err")"
    [ -L "$dir/dangling.nfd" ] || fail "$writer: the link was replaced"
    saved "$dir/made by link.nfd" || fail "$writer: the file the link names was not created"

    save $writer "$dir/locked/mine.nfd" || fail "$writer: writable file in a closed folder: $(cat "$work/err")"
    saved "$dir/locked/mine.nfd" || fail "$writer: mine.nfd not written"
    expect_refused $writer "$dir/locked/new.nfd"
    [ ! -e "$dir/locked/new.nfd" ] || fail "$writer: new.nfd created in a closed folder"

    leftovers=$(find "$dir" -name '*tmp*')
    [ -z "$leftovers" ] || fail "$writer: temporary files left: $leftovers"
done

# The association's files that exist but can't be read: one run with only mimeapps.list
# unreadable, one with the MIME package and the desktop entry unreadable as well.
data="$work/xdg/data" config="$work/xdg/config"
associate() {
    as_user env QT_QPA_PLATFORM=offscreen HOME="$work/home" XDG_RUNTIME_DIR="$work/home/run" XDG_DATA_HOME="$data" \
        XDG_CONFIG_HOME="$config" PATH=/nonexistent "$work/bin/writers_driver" "$1"
}
mkdir -p "$config" "$data/mime/packages" "$data/applications"
unreadable=("$config/mimeapps.list")
for round in 1 2; do
    printf '[Default Applications]\ntext/plain=editor.desktop;\n' >"$config/mimeapps.list"
    if [ $round = 2 ]; then
        echo '<mime-info/>' >"$data/mime/packages/Ninefold.xml"
        printf '[Desktop Entry]\nName=Mine\n' >"$data/applications/ninefold-association.desktop"
        unreadable+=("$data/mime/packages/Ninefold.xml" "$data/applications/ninefold-association.desktop")
    fi
    chown -R $user:$user "$work/xdg"
    chmod 200 "${unreadable[@]}"  # writable, so only the check on reading keeps them
    sums=$(md5sum "${unreadable[@]}")
    associate register
    [ $round = 2 ] || grep -q '\*\.nfd' "$data/mime/packages/Ninefold.xml" ||
        fail "the rows beside an unreadable mimeapps.list were not written"
    [ "$(md5sum "${unreadable[@]}")" = "$sums" ] || fail "round $round: Shift+Alt+E rewrote a file"
    associate remove
    [ "$(md5sum "${unreadable[@]}")" = "$sums" ] || fail "round $round: Shift+Alt+D rewrote a file"
done
echo "PASS"
