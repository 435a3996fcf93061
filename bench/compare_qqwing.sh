#!/usr/bin/env bash
# Wall times of ninefold-cli next to qqwing on the same puzzle files, run alternately back to
# back, best of several rounds; then generation of 1000 puzzles by each, and the largest
# resident memory ninefold-cli needed. Prints figures only; it never passes or fails.
#
# Usage: bench/compare_qqwing.sh [BUILD_DIR] [PUZZLE_DIR]
#   BUILD_DIR   where ninefold-cli was built (default: build)
#   PUZZLE_DIR  the benchmark puzzle files (default: ../shared/bench beside the checkout)
# ROUNDS (default 7) and GENERATE_ROUNDS (default 3) set the number of alternations.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
puzzles=${2:-$root/../shared/bench}
cli=$build/ninefold-cli
rounds=${ROUNDS:-7}
generate_rounds=${GENERATE_ROUNDS:-3}

for tool in "$cli" qqwing /usr/bin/time; do
    command -v "$tool" > /dev/null || { echo "missing: $tool" >&2; exit 1; }
done

# Seconds, as a decimal, that the command took with standard input from $1; its output is
# thrown away.
wall() {
    local input=$1 start end
    shift
    start=$(date +%s%N)
    "$@" < "$input" > /dev/null
    end=$(date +%s%N)
    awk -v ns=$((end - start)) 'BEGIN { printf "%.4f", ns / 1e9 }'
}

smaller() { awk -v a="$1" -v b="$2" 'BEGIN { print (a < b ? a : b) }'; }

# Best of the rounds for both tools, taking turns so both meet the same machine load.
# Usage: compare LABEL ROUNDS QQWING_INPUT QQWING_ARGS... -- NINEFOLD_ARGS...
compare() {
    local label=$1 n=$2 input=$3 ours=999 theirs=999 i
    shift 3
    local theirs_args=() ours_args=()
    while [ "$1" != "--" ]; do
        theirs_args+=("$1")
        shift
    done
    shift
    ours_args=("$@")
    for ((i = 0; i < n; i++)); do
        ours=$(smaller "$ours" "$(wall /dev/null "$cli" "${ours_args[@]}")")
        theirs=$(smaller "$theirs" "$(wall "$input" qqwing "${theirs_args[@]}")")
    done
    printf '%-22s ninefold-cli %8.4f s   qqwing %8.4f s   qqwing/ninefold %6.2fx\n' \
        "$label" "$ours" "$theirs" "$(awk -v a="$theirs" -v b="$ours" 'BEGIN { print a / b }')"
}

echo "ninefold-cli: $cli"
echo "qqwing: $(qqwing --version 2>&1 | head -1)"
echo "rounds: $rounds (solve), $generate_rounds (generate); best round shown"
echo
for file in easy mixed top95; do
    path=$puzzles/$file.txt
    [ -f "$path" ] || { echo "no $path" >&2; continue; }
    compare "solve $file.txt" "$rounds" "$path" --solve --one-line -- solve "$path"
done
compare "generate 1000" "$generate_rounds" /dev/null --generate 1000 --one-line -- \
    generate --count 1000 --seed 1

echo
echo "peak resident memory of ninefold-cli:"
for path in "$puzzles"/*.txt; do
    kib=$(/usr/bin/time -f %M "$cli" solve "$path" 2>&1 > /dev/null | tail -1)
    printf '  solve %-16s %6d KiB\n' "$(basename "$path")" "$kib"
done
kib=$(/usr/bin/time -f %M "$cli" generate --count 1000 --seed 1 2>&1 > /dev/null | tail -1)
printf '  generate 1000          %6d KiB\n' "$kib"
