#!/usr/bin/env bash
# ninefold --help and --version answer on standard output and exit 0 with no display to
# open a window on, as on a text console or over ssh.
# Usage: start_without_display.sh PATH/TO/ninefold VERSION
set -euo pipefail
bare() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"; }
help=$(bare "$1" --help) || { echo "FAIL: --help exited $?"; exit 1; }
[[ "$help" == "Usage: ninefold [FILE]"* ]] || { echo "FAIL: --help printed: $help"; exit 1; }
version=$(bare "$1" --version) || { echo "FAIL: --version exited $?"; exit 1; }
[ "$version" = "ninefold $2" ] || { echo "FAIL: --version printed: $version"; exit 1; }
echo "PASS"
