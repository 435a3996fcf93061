#!/usr/bin/env bash
# First, every puzzle of every benchmark file solved twice in process, once passing over the
# digits proven to lead nowhere and once trying every digit, with the number of puzzles that
# ended differently (it must be 0). Then the wall times of ninefold-cli next to qqwing on
# every file, run alternately back to back, the median of several rounds, and their ratio
# ninefold-cli / qqwing; then generation of 1000 puzzles by each, and the largest resident
# memory ninefold-cli needed. Prints figures only; it never passes or fails.
#
# Usage: bench/compare_qqwing.sh [BUILD_DIR] [PUZZLE_DIR]
#   BUILD_DIR   where ninefold-cli and bench_solve were built (default: build)
#   PUZZLE_DIR  the benchmark puzzle files (default: ../shared/bench beside the checkout)
# ROUNDS (default 5) and GENERATE_ROUNDS (default 3) set the number of alternations;
# SKIP_OUTCOMES=1 leaves out the comparison of outcomes.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
puzzles=${2:-$root/../shared/bench}
cli=$build/ninefold-cli
rounds=${ROUNDS:-5}
generate_rounds=${GENERATE_ROUNDS:-3}

for tool in "$cli" "$build/bench_solve" qqwing /usr/bin/time; do
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

# The median of the numbers given, one per argument.
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

# Median of the rounds for both tools, taking turns so both meet the same machine load.
# Usage: compare LABEL ROUNDS QQWING_INPUT QQWING_ARGS... -- NINEFOLD_ARGS...
compare() {
    local label=$1 n=$2 input=$3 ours theirs i
    local ours_times=() theirs_times=()
    shift 3
    local theirs_args=() ours_args=()
    while [ "$1" != "--" ]; do
        theirs_args+=("$1")
        shift
    done
    shift
    ours_args=("$@")
    for ((i = 0; i < n; i++)); do
        ours_times+=("$(wall /dev/null "$cli" "${ours_args[@]}")")
        theirs_times+=("$(wall "$input" qqwing "${theirs_args[@]}")")
    done
    ours=$(median "${ours_times[@]}")
    theirs=$(median "${theirs_times[@]}")
    printf '%-24s ninefold-cli %9.4f s   qqwing %9.4f s   ninefold/qqwing %6.3f\n' \
        "$label" "$ours" "$theirs" "$(awk -v a="$ours" -v b="$theirs" 'BEGIN { print a / b }')"
}

echo "ninefold-cli: $cli"
echo "qqwing: $(qqwing --version 2>&1 | head -1)"
echo "rounds: $rounds (solve), $generate_rounds (generate); median shown"
if [ "${SKIP_OUTCOMES:-0}" != 1 ]; then
    echo
    echo "outcomes, pruned against every digit tried:"
    "$build/bench_solve" --against-unpruned "$puzzles"
fi
echo
for path in "$puzzles"/*.txt; do
    compare "solve $(basename "$path")" "$rounds" "$path" --solve --one-line -- solve "$path"
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
