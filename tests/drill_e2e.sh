#!/usr/bin/env bash
# Runs the real reaction-drill executable with piped input.
# Usage: drill_e2e.sh path/to/reaction-drill path/to/session_ranges.sh
set -u
drill=$1
source "$2"
source "$(dirname "$0")/e2e_checks.sh"

# Three lines after the choice: four complete acid + base questions.
out=$(printf '1\n\n\nanything typed\n' | "$drill")
status=$?
[ "$status" -eq 0 ] || fail "piped session exited with $status"
[ "$(grep -c '^Question: ' <<<"$out")" -eq 4 ] || fail "expected 4 questions"
[ "$(grep -c '^(acid + base -> salt + water)$' <<<"$out")" -eq 4 ] ||
  fail "expected 4 acid + base captions"
[ "$(head -n 1 <<<"$out")" = "Determine the products, given the reactants." ] ||
  fail "wrong first line"

# Windows line breaks: the menu number stops at the CR, and each line is one
# pause.
out=$(printf '1\r\n\r\n' | "$drill")
[ "$(grep -c '^(acid + base -> salt + water)$' <<<"$out")" -eq 2 ] ||
  fail "CR LF input: expected 2 acid + base questions"

answers_help_and_version "$drill" --formulas
rejects_bad_arguments "$drill" --frobnicate -x stray --formulas=yes --help=1 -
[ "$("$drill" --frobnicate 2>&1)" = \
  "reaction-drill: unrecognized option '--frobnicate' (try 'reaction-drill --help')" ] ||
  fail "--frobnicate: wrong message"

for option in -f --formulas; do
  out=$(printf '1\n' | "$drill" "$option")
  grep -q '^Formula equation:$' <<<"$out" || fail "$option shows no formula equation"
done

prompt="Which kind of questions would you like? (0-$DRILL_TYPES):"
ends_quietly_on_empty_input "$drill" "$prompt"
reports_read_errors "$drill" "$prompt"
stops_at_once_on_dead_output "$drill"
ends_promptly_on_closed_output "$drill"
finish end-to-end
