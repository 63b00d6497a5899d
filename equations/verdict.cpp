#include "verdict.h"

#include <string_view>
#include <utility>

#include "charges.h"
#include "equation_html.h"
#include "require.h"

namespace {

using What = Finding::What;

// How each kind of finding counts and what its verdict says. A name in
// braces is a field of the verdict (see `fields`), filled in as it is
// written; every line but the right one ends with the right answer.
struct FindingRow {
  What what;
  Grade grade;
  std::string_view line;
};

// clang-format off
constexpr FindingRow findingRows[] = {
    // finding                  grade
    //   the line
    {What::correct,             Grade::right,
     "{grade}"},
    {What::letterCase,          Grade::close,
     "{grade}; correct answer is {answer}"},
    {What::wrongFormula,        Grade::wrong,
     "{grade}; correct answer is {answer}"},
    {What::solubility,          Grade::wrong,
     "{grade}; {term} is {answer}"},
    {What::unreadable,          Grade::wrong,
     "{grade}; cannot read \"{typed}\"; correct answer is {answer}"},
    {What::arrowMissing,        Grade::wrong,
     "{grade}; the arrow is missing; correct answer is {answer}"},
    {What::nothingReacts,       Grade::wrong,
     "{grade}; nothing reacts here; correct answer is {answer}"},
    {What::doesReact,           Grade::wrong,
     "{grade}; this reaction does take place; correct answer is {answer}"},
    {What::missing,             Grade::wrong,
     "{grade}; {term} is missing on the {side}; correct answer is {answer}"},
    {What::extra,               Grade::wrong,
     "{grade}; {typed} should not be on the {side}; correct answer is {answer}"},
    {What::elementUnbalanced,   Grade::wrong,
     "{grade}; {element} is not balanced ({left} on the left, {right} on the right);"
     " correct answer is {answer}"},
    {What::chargeUnbalanced,    Grade::wrong,
     "{grade}; the charge is not balanced ({signed left} on the left,"
     " {signed right} on the right); correct answer is {answer}"},
    {What::precipitates,        Grade::wrong,
     "{grade}; {term} is {state} here: it precipitates; correct answer is {answer}"},
    {What::dissolves,           Grade::wrong,
     "{grade}; {term} is {state} here: it dissolves; correct answer is {answer}"},
    {What::checkCase,           Grade::close,
     "{grade}; check the letter case of {typed}; correct answer is {answer}"},
    {What::repeated,            Grade::close,
     "{grade}; write {term} once, as {coefficient}{term}; correct answer is {answer}"},
    {What::divisible,           Grade::close,
     "{grade}; the coefficients can be divided by {factor}; correct answer is {answer}"},
    {What::notSmallest,         Grade::close,
     "{grade}; balanced, but not the smallest set; correct answer is {answer}"},
    {What::state,               Grade::close,
     "{grade}; {term} is {state} here; correct answer is {answer}"},
};
// clang-format on

const FindingRow& rowOf(What what) {
  for (const FindingRow& row : findingRows) {
    if (row.what == what) return row;
  }
  require(false, "a finding has a row");
  return findingRows[0];
}

std::string gradeWord(Grade g) {
  return g == Grade::right   ? "Correct."
         : g == Grade::close ? "Close"
                             : "Incorrect";
}

// "Mn2+": a species as a verdict names it.
std::string nameOf(const Term& t) { return t.formula + chargeText(t.charge); }

std::string sideName(Side s) { return s == Side::left ? "left" : "right"; }

// The fields a verdict's line names, each as plain text.
struct Field {
  std::string_view name;
  std::string (*text)(const Verdict& v);
};

// clang-format off
constexpr Field fields[] = {
    // name          the text
    {"grade",        [](const Verdict& v) { return gradeWord(v.grade); }},
    {"answer",       [](const Verdict& v) { return v.answer.text; }},
    {"term",         [](const Verdict& v) { return nameOf(v.finding.term); }},
    {"coefficient",  [](const Verdict& v) { return std::to_string(v.finding.term.coefficient); }},
    {"state",        [](const Verdict& v) { return std::string(stateSymbol(v.finding.term.state)); }},
    {"side",         [](const Verdict& v) { return sideName(v.finding.side); }},
    {"typed",        [](const Verdict& v) { return v.finding.typed; }},
    {"element",      [](const Verdict& v) { return v.finding.count.element; }},
    {"left",         [](const Verdict& v) { return std::to_string(v.finding.count.left); }},
    {"right",        [](const Verdict& v) { return std::to_string(v.finding.count.right); }},
    {"signed left",  [](const Verdict& v) { return signedNumber(v.finding.count.left); }},
    {"signed right", [](const Verdict& v) { return signedNumber(v.finding.count.right); }},
    {"factor",       [](const Verdict& v) { return std::to_string(v.finding.factor); }},
};
// clang-format on

std::string fieldText(std::string_view name, const Verdict& v) {
  for (const Field& f : fields) {
    if (f.name == name) return f.text(v);
  }
  require(false, "a verdict's line names a field");
  return {};
}

// The line of `v` with each field written by `field` and the words between
// by `words`.
template <typename FieldWriter, typename WordWriter>
std::string writeLine(const Verdict& v, FieldWriter field, WordWriter words) {
  const std::string_view line = rowOf(v.finding.what).line;
  std::string out;
  std::size_t at = 0;
  for (std::size_t open = line.find('{'); open != std::string_view::npos;
       open = line.find('{', at)) {
    const std::size_t close = line.find('}', open);
    out += words(line.substr(at, open - at));
    out += field(line.substr(open + 1, close - open - 1));
    at = close + 1;
  }
  return out + words(line.substr(at));
}

}  // namespace

Verdict judge(Finding finding, Rich answer) {
  const Grade grade = rowOf(finding.what).grade;
  return {grade, std::move(finding), std::move(answer)};
}

std::string verdictText(const Verdict& v) {
  return writeLine(
      v, [&v](std::string_view name) { return fieldText(name, v); },
      [](std::string_view words) { return std::string(words); });
}

namespace {

// A field of `v` in HTML: the right answer in its own HTML form, each
// species as a formula with its accessible name (what the student typed
// only where it reads as one), every other field as escaped text.
std::string fieldHtml(std::string_view name, const Verdict& v) {
  const Finding& f = v.finding;
  if (name == "answer") return v.answer.html;
  if (name == "term") return htmlFormula(f.term.formula, f.term.charge);
  if (name == "element") return htmlFormula(f.count.element);
  if (name == "typed" && !f.term.formula.empty()) {
    return htmlFormula(f.term.formula, f.term.charge);
  }
  return escapeHtml(fieldText(name, v));
}

}  // namespace

std::string verdictHtml(const Verdict& v) {
  return writeLine(
      v, [&v](std::string_view name) { return fieldHtml(name, v); },
      [](std::string_view words) { return escapeHtml(words); });
}

std::string signedNumber(std::int64_t n) {
  return (n > 0 ? "+" : "") + std::to_string(n);
}
