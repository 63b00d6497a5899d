#!/usr/bin/env bash
# The question banks as a platform's importer reads them: well-formed XML,
# and every question with a name, a text, and answers the platform marks
# with or the key the teacher marks by, over sheets of many seeds.
# Usage: moodle_e2e.sh path/to/reaction-drill path/to/formula-quiz XMLLINT
set -u
drill=$1
quiz=$2
xmllint=$3
source "$(dirname "$0")/e2e_checks.sh"

# count XPATH FILE: how many nodes of FILE the XPath expression counts.
count() { "$xmllint" --xpath "count($1)" "$2"; }

bank=$(mktemp)
trap 'rm -f "$bank"' EXIT
for seed in 0 1 2 3 4; do
  for sheet in "$drill -w -f" "$quiz -w"; do
    name="$(basename "${sheet%% *}") seed $seed"
    $sheet -s "$seed" -n 200 --format moodle >"$bank"
    "$xmllint" --noout "$bank" 2>/dev/null || { fail "$name: not well-formed XML"; continue; }
    [ "$(count '/quiz/question[@type="category"]/category/text' "$bank")" = 1 ] ||
      fail "$name: no category"
    [ "$(count '/quiz/question[@type!="category"]' "$bank")" = 200 ] ||
      fail "$name: not 200 questions"
    [ "$(count '//question[@type!="category"][not(normalize-space(name/text)) or
        not(normalize-space(questiontext/text))]' "$bank")" = 0 ] ||
      fail "$name: a question without a name or a text"
    # A formula is right in each of its notations, each listed once.
    [ "$(count '//question[@type="essay"][not(normalize-space(graderinfo/text))] |
        //question[@type="truefalse"][count(answer[@fraction="100"]) != 1] |
        //question[@type="shortanswer"][not(answer[@fraction="100"]) or answer[text = preceding-sibling::answer/text]]' "$bank")" = 0 ] ||
      fail "$name: a question with no key for the teacher, not one right answer or an answer twice"
    # The key is a student's feedback, so a bank always says why.
    [ "$(count '//question[@type="essay"][not(contains(generalfeedback/text, "Why:"))]' "$bank")" = 0 ] ||
      fail "$name: an essay whose feedback does not say why"
  done
done
finish "question bank"
