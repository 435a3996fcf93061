#!/usr/bin/env bash
# Writes ninefold-cli's manual page from its own --help texts, so the two never drift apart:
# the overview through help2man, then each command's full text in a section of its own.
# Usage: cli_page.sh PATH/TO/ninefold-cli VERSION OUT.6.gz
set -euo pipefail
cli=$1
version=$2
out=$3
include=$(mktemp)
trap 'rm -f "$include"' EXIT

# Troff reads a backslash as an escape and a leading dot or quote as a request.
as_roff() { sed -e 's/\\/\\e/g' -e 's/-/\\-/g' -e "s/^\\([.']\\)/\\\\\\&\\1/"; }

{
    echo '[COMMANDS IN DETAIL]'
    for command in $("$cli" --help | sed -n '/^Commands:/,/^$/p' | awk 'NR > 1 && /^  [^ ]/ { print $1 }'); do
        echo ".SS $command"
        echo '.nf'
        "$cli" "$command" --help | as_roff
        echo '.fi'
    done
    echo '[SEE ALSO]'
    echo '.BR ninefold (6)'
} >"$include"

help2man --section=6 --no-info --version-string="$version" \
    --name='solve, check and generate 9x9 number-placement puzzles' \
    --include="$include" "$cli" | gzip -9n >"$out.tmp"
mv "$out.tmp" "$out"
