#!/usr/bin/env bash
# Rating and hints: for each puzzle file, the wall time and peak memory of `ninefold-cli rate`
# beside the time of `ninefold-cli solve` on the same file, then bench_hints' figures: the
# slowest hint on a fresh puzzle, how many steps fell back on a search, and every step checked
# against the solution (unsound and incomplete must read 0). The aims: top1465.txt rated in
# 30 s and easy.txt in 1 s on one core, at most 64 MiB resident, every hint within 0.2 s.
# Then, for each file of the public rater's figures (REFERENCE_DIR, default ../shared/rating),
# how often our level is the rater's and how often our ER lies within 0.2 of its ER below 5.0
# (the floors: 95% and 90%). Prints figures only; it never passes or fails.
#
# Usage: bench/rate_bench.sh [BUILD_DIR] [PUZZLE_DIR]
#   BUILD_DIR   where ninefold-cli and bench_hints were built (default: build)
#   PUZZLE_DIR  the benchmark puzzle files (default: ../shared/bench beside the checkout)
# SETS (default: every .txt file in PUZZLE_DIR) names the files, without ".txt".
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
puzzles=${2:-$root/../shared/bench}
cli=$build/ninefold-cli
hints=$build/bench_hints
for tool in "$cli" "$hints" /usr/bin/time; do
    [ -x "$tool" ] || { echo "missing: $tool" >&2; exit 1; }
done
if [ -z "${SETS:-}" ]; then
    SETS=$(cd "$puzzles" && ls -- *.txt | sed 's/\.txt$//' | tr '\n' ' ')
fi

reference=${REFERENCE_DIR:-$root/../shared/rating}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# "SECONDS KIB" of the command, its output thrown away; taskset keeps it on one core.
measure() {
    local one_core=()
    command -v taskset > /dev/null && one_core=(taskset -c 0)
    /usr/bin/time -f '%e %M' -o "$scratch/time" "${one_core[@]}" "$@" > /dev/null 2>&1 || true
    tail -1 "$scratch/time"
}

printf '%-16s %8s %10s %9s   %s\n' file "rate s" "rate MiB" "solve s" "(aims: top1465 30 s, easy 1 s, 64 MiB)"
paths=()
for set in $SETS; do
    path=$puzzles/$set.txt
    [ -f "$path" ] || { echo "no $path" >&2; continue; }
    paths+=("$path")
    read -r rate_s rate_kib <<< "$(measure "$cli" rate "$path")"
    read -r solve_s _ <<< "$(measure "$cli" solve "$path")"
    printf '%-16s %8s %10.1f %9s\n' "$set.txt" "$rate_s" "$(awk -v k="$rate_kib" 'BEGIN { print k / 1024 }')" "$solve_s"
done
echo
echo "Every step against the solution, and the slowest hint (aim: 0.2 s):"
"$hints" "${paths[@]}"

[ -d "$reference" ] || exit 0
echo
printf '%-16s %8s %14s   %s\n' file levels "ER within 0.2" "(below 5.0; floors 95% and 90%)"
for path in "$reference"/*.txt; do
    cut -d' ' -f1 "$path" | "$cli" rate 2> /dev/null | paste -d' ' "$path" - | awk '
        function level(er) { return er < 1.5 ? "easy" : er < 2.5 ? "medium" : er < 5.0 ? "hard" : "diabolical" }
        {
            split($2, theirs, "/"); split($(NF - 1), ours, "/")
            total++; same += $NF == level(theirs[1] + 0)
            if (theirs[1] + 0 < 5.0) { below++; d = ours[1] - theirs[1]; near += d <= 0.2001 && d >= -0.2001 }
        }
        END { printf "%-16s %7.1f%% %8.1f%% of %d\n", FILENAME == "-" ? name : name, 100 * same / total, 100 * near / below, below }
    ' name="$(basename "$path")"
done
