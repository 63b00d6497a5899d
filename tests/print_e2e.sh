#!/usr/bin/env bash
# The worksheets as a reader gets them: the HTML printed to PDF by a real
# browser, with every question on the sheet and the answer key starting on
# a page of its own; the Markdown converted by pandoc without a warning.
# Usage: print_e2e.sh path/to/reaction-drill path/to/formula-quiz CHROMIUM
set -u
drill=$1
quiz=$2
chromium=$3
source "$(dirname "$0")/e2e_checks.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# prints_well NAME PROGRAM ARGS...: the worksheet of PROGRAM ARGS.
prints_well() {
  local name=$1 program=$2 page question
  shift 2
  "$program" "$@" --worksheet --format html >"$work/$name.html"
  "$chromium" --headless --no-sandbox --disable-gpu --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$work/profile" --no-pdf-header-footer \
    --print-to-pdf="$work/$name.pdf" "file://$work/$name.html" 2>/dev/null
  pdftotext -layout "$work/$name.pdf" "$work/$name.txt" ||
    { fail "$name: no PDF printed"; return; }
  # Pages end with a form feed; the key's heading opens a page of its own.
  awk 'BEGIN { RS = "\f" } /Answer key/ { sub(/^[ \n]+/, ""); print substr($0, 1, 10); exit }' \
    "$work/$name.txt" | grep -qx 'Answer key' ||
    fail "$name: the answer key does not start on a new page"
  page=$(awk 'BEGIN { RS = "\f" } /Answer key/ { exit } { print }' "$work/$name.txt" | tr -d ' \n')
  while IFS= read -r question; do
    grep -qF -- "$(tr -d ' ' <<<"$question")" <<<"$page" ||
      fail "$name: '$question' is not on the sheet"
  done < <("$program" "$@" --worksheet | sed -n 's/^[0-9]*\. //p' | sort -u)
}

prints_well drill "$drill" --seed 42 --count 30 --formulas
prints_well quiz "$quiz" --seed 42 --count 30

for program in "$drill" "$quiz"; do
  warnings=$("$program" -w -s 1 -n 12 --format markdown |
    pandoc -f gfm -t html 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$(basename "$program") markdown: $warnings"
done
finish print
