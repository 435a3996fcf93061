#!/usr/bin/env bash
# Solution counting: wall times of `ninefold-cli count` next to `qqwing --count-solutions` on
# the same puzzle files, run alternately back to back, best of several rounds, with the ratio
# of the two. qqwing counts every solution, so ninefold-cli runs with a limit no puzzle
# reaches and both do the same work; multi.txt (many solutions each) is timed once more at
# the default limit of 2. The counts of the two are compared as well. Prints figures only;
# it never passes or fails.
#
# Usage: bench/compare_count.sh [BUILD_DIR] [PUZZLE_DIR]
#   BUILD_DIR   where ninefold-cli was built (default: build)
#   PUZZLE_DIR  the benchmark puzzle files (default: ../shared/bench beside the checkout)
# ROUNDS (default 3) sets the number of alternations; a file on which one qqwing round takes
# longer than SLOW seconds (default 20) gets that one round only, as more would not change
# the ratio's first digit. SETS (default: every .txt file in PUZZLE_DIR) names the files to
# time, without ".txt", separated by spaces.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
puzzles=${2:-$root/../shared/bench}
cli=$build/ninefold-cli
rounds=${ROUNDS:-3}
slow=${SLOW:-20}
everything=18446744073709551615

for tool in "$cli" qqwing; do
    command -v "$tool" > /dev/null || { echo "missing: $tool" >&2; exit 1; }
done
if [ -z "${SETS:-}" ]; then
    SETS=$(cd "$puzzles" && ls -- *.txt | sed 's/\.txt$//' | tr '\n' ' ')
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Seconds, as a decimal, that the command took with standard input from $1 and standard
# output into $2.
wall() {
    local input=$1 output=$2 start end
    shift 2
    start=$(date +%s%N)
    "$@" < "$input" > "$output"
    end=$(date +%s%N)
    awk -v ns=$((end - start)) 'BEGIN { printf "%.4f", ns / 1e9 }'
}

smaller() { awk -v a="$1" -v b="$2" 'BEGIN { print (a < b ? a : b) }'; }

# qqwing's verdict lines as plain counts, one per puzzle.
qqwing_counts() {
    awk '/solution to the puzzle is unique/ { print 1 }
         /^There are [0-9]+ solutions/ { print $3 }
         /not possible/ { print 0 }' "$1"
}

# Usage: compare LABEL PUZZLE_FILE LIMIT
compare() {
    local label=$1 path=$2 limit=$3 ours=999999 theirs=999999 i agree
    for ((i = 0; i < rounds; i++)); do
        ours=$(smaller "$ours" \
            "$(wall /dev/null "$scratch/ours" "$cli" count --limit "$limit" "$path")")
        theirs=$(smaller "$theirs" "$(wall "$path" "$scratch/theirs" \
            qqwing --solve --count-solutions --one-line)")
        if awk -v t="$theirs" -v s="$slow" 'BEGIN { exit !(t > s) }'; then
            break
        fi
    done
    if [ "$limit" = "$everything" ]; then
        qqwing_counts "$scratch/theirs" > "$scratch/theirs.counts"
        if cmp -s "$scratch/ours" "$scratch/theirs.counts"; then
            agree="counts agree"
        else
            agree="COUNTS DIFFER"
        fi
    else
        agree="(ninefold-cli stops at $limit)"
    fi
    printf '%-26s ninefold-cli %8.4f s   qqwing %8.4f s   qqwing/ninefold %7.1fx   %s\n' \
        "$label" "$ours" "$theirs" "$(awk -v a="$theirs" -v b="$ours" 'BEGIN { print a / b }')" \
        "$agree"
}

echo "ninefold-cli: $cli"
echo "qqwing: $(qqwing --version 2>&1 | head -1)"
echo "rounds: $rounds (1 where a qqwing round passes ${slow} s); best round shown"
echo
for set in $SETS; do
    path=$puzzles/$set.txt
    [ -f "$path" ] || { echo "no $path" >&2; continue; }
    compare "count $set.txt" "$path" "$everything"
    if [ "$set" = multi ]; then
        compare "count --limit 2 $set.txt" "$path" 2
    fi
done
