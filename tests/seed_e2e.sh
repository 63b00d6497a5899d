#!/usr/bin/env bash
# Seeds are a promise to teachers: the golden files pin what a few seeds
# give, in sessions and worksheets of both programs. Also the command line
# of both: help, version and every bad value.
# Usage: seed_e2e.sh path/to/reaction-drill path/to/formula-quiz
#          path/to/session_ranges.sh
# With UPDATE_GOLDEN=1 it writes the golden files instead of checking them.
set -u
drill=$1
quiz=$2
source "$3"
here=$(dirname "$0")
source "$here/e2e_checks.sh"

# matches NAME COMMAND...: the output of COMMAND is golden/NAME, byte for
# byte.
matches() {
  local name=$1
  shift
  if [ "${UPDATE_GOLDEN:-}" = 1 ]; then
    "$@" >"$here/golden/$name"
  else
    cmp -s <("$@") "$here/golden/$name" ||
      fail "$name: output differs from the golden file"
  fi
}

matches drill-42.txt "$drill" --seed 42 --type 0 --count 4 --formulas \
  < <(printf '\n\n\n\n')
matches drill-max.txt "$drill" --seed 18446744073709551615 --type 6 --count 2 \
  < <(printf '\n\n')
matches quiz-7.txt "$quiz" -s 7 -t 0 -n 4 < <(printf 'K3P\npb2+\ny\ny\n')
for format in text markdown html; do
  matches "drill-sheet.$format" "$drill" -w -s 0 -n 3 -f --format "$format"
  matches "quiz-sheet.$format" "$quiz" -w -s 1 -t 0 -n 6 --format "$format"
done
matches drill-key.text "$drill" -w -s 0 -n 3 -f --only key
matches drill-pictures.html "$drill" -w -s 0 -n 3 --pictures --format html
matches quiz-questions.html "$quiz" -w -s 1 -n 6 --only questions --format html
matches drill-bank.xml "$drill" -w -s 0 -n 3 -f -e --format moodle
matches quiz-bank.xml "$quiz" -w -s 6 -t 0 -n 5 --format moodle

# The same seed twice gives the same questions; another seed others.
[ "$("$drill" -w -s 5)" = "$("$drill" -w -s 5)" ] || fail "seed 5 twice differs"
[ "$("$drill" -w -s 5 | sed 1,4d)" != "$("$drill" -w -s 6 | sed 1,4d)" ] ||
  fail "seeds 5 and 6 give the same worksheet"
# A worksheet holds the questions of the session it stands for.
session=$(printf '\n\n\n' | "$drill" -s 9 -t 0 -n 3 | grep '^Question: ' | cut -c11-)
sheet=$("$drill" -w -s 9 -t 0 -n 3 | sed -n 's/^[0-9]*\. //p' | head -n 3)
[ "$session" = "$sheet" ] || fail "the worksheet of seed 9 differs from its session"

answers_help_and_version "$drill" --formulas --explain --pictures --seed --type --count --worksheet --format --only
answers_help_and_version "$quiz" --seed --type --count --worksheet --format --only --explain
for program in "$drill" "$quiz"; do
  rejects_bad_arguments "$program" --seed=-1 --seed=+1 "--seed= 1" --seed=0x10 \
    --seed=18446744073709551616 --seed= --type=-0 --type=1.0 \
    --count=0 --count=-1 --count=4294967296 --format=pdf --format=html \
    --only=both --only=key \
    --seed --frobnicate stray
  refused "$program" -w --count 1001
  refused "$program" --format text -s 1
  refused "$program" --only key -s 1
  refused "$program" -w --format moodle --only key
done
# Pictures are drawn in HTML only.
refused "$drill" --pictures
refused "$drill" -w --pictures --format markdown
# The first type past each menu.
refused "$drill" --type $((DRILL_TYPES + 1))
refused "$quiz" --type $((QUIZ_TYPES + 1))
refused "$quiz" --formulas
refused "$quiz" --explain
finish seed
