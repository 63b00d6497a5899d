// Verdicts on typed answers as data: how an answer counts, what the marker
// found, named by kind with the species, side and numbers it is about, and
// the right answer in both forms. Written out as a line of plain text or of
// HTML, as an equation is; nothing reads a verdict back from its text.
#ifndef REACTION_DRILL_EQUATIONS_VERDICT_H_
#define REACTION_DRILL_EQUATIONS_VERDICT_H_

#include <cstdint>
#include <string>
#include <vector>

#include "equation.h"
#include "rich.h"

// How an answer counts: only a right one scores.
enum class Grade { right, close, wrong };

// The side of an equation a finding is about.
enum class Side { left, right };

// What a marker found in an answer, in its own terms.
struct Finding {
  enum class What {
    correct,
    // A formula.
    letterCase,    // right apart from the letter case
    wrongFormula,  // anything else
    // Whether a compound dissolves.
    solubility,  // the compound `term` is the right answer, not the typed
    // An equation, in the order the marker checks.
    unreadable,         // `typed` quotes the place that cannot be read
    arrowMissing,       // every term reads, but no arrow stands between
    nothingReacts,      // a reaction is written where none takes place
    doesReact,          // a no reaction is written where one takes place
    missing,            // `term` is missing on `side`
    extra,              // `typed` should not be on `side`
    elementUnbalanced,  // `count` of an element differs left and right
    chargeUnbalanced,   // `count` of the charge differs left and right
    precipitates,       // `term`, a product, is a solid
    dissolves,          // `term`, a product, is aqueous
    checkCase,          // `typed`, a formula, is right apart from its case
    repeated,           // `term` is typed more than once on a side
    divisible,          // the coefficients are `factor` times the right ones
    notSmallest,        // balanced, but with other coefficients
    state,              // `term` is in another state than the one typed
  };
  What what = What::correct;
  Side side = Side::left;
  // The right species: formula without charge, charge; its state where a
  // state is the point, its typed coefficient where it is typed twice.
  Term term;
  // The student's own text, where a verdict quotes it; where that is a
  // species, `term` holds it as read.
  std::string typed;
  Tally count;  // an element (empty for the charge), left and right
  // Where an equation does not balance: every element and the charge, as
  // tallies() counts them in the equation as typed.
  std::vector<Tally> atoms;
  std::int64_t factor = 1;
};

struct Verdict {
  Grade grade = Grade::wrong;
  Finding finding;
  Rich answer;  // the right answer
};

// The verdict of `finding` on an answer to `answer`, graded as that kind of
// finding counts.
Verdict judge(Finding finding, Rich answer);

// The verdict as one line without its line break: "Correct.", "Close;
// correct answer is Al2(SO4)3", "Incorrect; Mn2+ is missing on the right;
// correct answer is ...".
std::string verdictText(const Verdict& v);

// The line of verdictText as HTML: the right answer in its HTML form, and
// every species it names written as the equations write formulas.
std::string verdictHtml(const Verdict& v);

// Where `v` is that an equation does not balance, the count of each element
// and of the charge on each side, as lines without line breaks, the rows
// that differ marked:
//   Atoms    left  right
//   Na          2      1   <- differs
//   charge      0      0
// and nothing for any other verdict.
std::vector<std::string> atomTable(const Verdict& v);

// The same table in HTML, or an empty text.
std::string atomTableHtml(const Verdict& v);

// A charge as a verdict writes it: "+2", "-1", "0".
std::string signedNumber(std::int64_t n);

#endif  // REACTION_DRILL_EQUATIONS_VERDICT_H_
