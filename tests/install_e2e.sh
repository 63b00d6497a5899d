#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs the installed programs
# with piped input; their manual pages must render without warnings.
# Usage: install_e2e.sh path/to/cmake path/to/build-folder
set -u
cmake=$1
build=$2
source "$build/session_ranges.sh"
source "$(dirname "$0")/e2e_checks.sh"

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --prefix "$prefix" >/dev/null ||
  fail "cmake --install failed"

for program in reaction-drill formula-quiz; do
  [ -x "$prefix/bin/$program" ] || fail "$program not installed in bin/"
  page=$prefix/share/man/man6/$program.6
  [ -f "$page" ] || fail "no manual page for $program in share/man/man6/"
  warnings=$(groff -man -ww -z "$page" 2>&1 &&
    man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "manual page of $program: $warnings"
done

out=$(printf '8\n\n' | "$prefix/bin/reaction-drill")
[ $? -eq 0 ] || fail "installed drill did not exit with 0"
[ "$(grep -c '^(combustion in air -> combine with oxygen)$' <<<"$out")" -eq 2 ] ||
  fail "installed drill: expected two combustion questions"

# No compound formula is a single letter, so the answer X is wrong.
out=$(printf '2\nX\nquit\n' | "$prefix/bin/formula-quiz")
[ $? -eq 0 ] || fail "installed quiz did not exit with 0"
grep -q '^Formula: Incorrect; correct answer is ' <<<"$out" ||
  fail "installed quiz: no verdict on the answer"
grep -qx 'Formula: Score: 0 of 1 correct' <<<"$out" &&
  grep -qx 'Practise these again: formula-quiz --seed [0-9]* --type 2 --questions 1' \
    <(tail -n 1 <<<"$out") ||
  fail "installed quiz: wrong score line or no command to practise again"

# quit in any letter case ends the quiz, Windows line break and all.
out=$(printf '1\r\n Quit\r\n' | "$prefix/bin/formula-quiz")
[ "$(tail -n 1 <<<"$out")" = "Formula: Score: 0 of 0 correct" ] ||
  fail "installed quiz: Quit with CR LF did not end the quiz"

quiz=$prefix/bin/formula-quiz
prompt="Which kind of questions would you like? (0-$QUIZ_TYPES):"
ends_quietly_on_empty_input "$quiz" "$prompt"
reports_read_errors "$quiz" "$prompt"
stops_at_once_on_dead_output "$quiz"
ends_promptly_on_closed_output "$quiz"
finish install
