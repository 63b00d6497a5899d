#!/usr/bin/env bash
# Runs the real reaction-drill executable with piped input.
# Usage: drill_e2e.sh path/to/reaction-drill
set -u
drill=$1
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
source "$(dirname "$0")/closed_output.sh"

# Three lines after the choice: four complete acid + base questions.
out=$(printf '1\n\n\nanything typed\n' | "$drill")
status=$?
[ "$status" -eq 0 ] || fail "piped session exited with $status"
[ "$(grep -c '^Question: ' <<<"$out")" -eq 4 ] || fail "expected 4 questions"
[ "$(grep -c '^(acid + base -> salt + water)$' <<<"$out")" -eq 4 ] ||
  fail "expected 4 acid + base captions"
[ "$(head -n 1 <<<"$out")" = "Determine the products, given the reactants." ] ||
  fail "wrong first line"

# Standard input closed outright: the menu, a line break, and status 0.
out=$("$drill" <&- | tail -n 1)
[ "${PIPESTATUS[0]}" -eq 0 ] || fail "closed input did not exit with 0"
[ "$out" = "Which kind of questions would you like? (0-8):" ] ||
  fail "closed input: unexpected output"

ends_promptly_on_closed_output "$drill"

[ "$failures" -eq 0 ] && echo "all end-to-end checks passed"
exit "$failures"
