#!/usr/bin/env bash
# The manual page of ninefold-cli says what --help says: every line of the overview and of
# each command's help appears in the rendered page (blanks squeezed, as troff fills lines).
# Usage: man_page_test.sh PATH/TO/ninefold-cli PATH/TO/ninefold-cli.6.gz
set -euo pipefail
cli=$1
page=$2

squeeze() { tr -s ' \n\t' '   '; }
rendered=$(zcat "$page" | groff -man -Tascii -rHY=0 -rLL=2000n -P-cbou 2>/dev/null | squeeze)

commands=$("$cli" --help | sed -n '/^Commands:/,/^$/p' | awk 'NR > 1 && /^  [^ ]/ { print $1 }')
[ -n "$commands" ] || { echo "FAIL: no commands found in --help"; exit 1; }
missing=0
check() {
    local line wanted
    while IFS= read -r line; do
        # help2man turns the overview's usage line into the SYNOPSIS.
        wanted=$(printf '%s' "${line#Usage: }" | squeeze | sed 's/^ //; s/ $//')
        if [ -n "$wanted" ] && [[ "$rendered" != *"$wanted"* ]]; then
            echo "FAIL: '$*' line missing from the page: $wanted"
            missing=1
        fi
    done < <("$cli" "$@")
}
check --help
for command in $commands; do
    check "$command" --help
done
[ "$missing" -eq 0 ] || exit 1
echo "PASS"
