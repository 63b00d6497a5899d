// What the drill shows of a question: the question line, and the answer's
// lines as the dialogue reveals them, in plain text for the console and in
// both forms for the worksheets and the browser page. All three lay the
// lines out from here.
#ifndef REACTION_DRILL_DRILL_REVEAL_H_
#define REACTION_DRILL_DRILL_REVEAL_H_

#include <string>
#include <vector>

#include "drill_session.h"
#include "sheet.h"

// What is revealed besides the answer.
struct Extras {
  bool formulas = false;  // the formula and ionic equations
  bool reasons = false;   // "Why:" and the reasons behind the answer
  bool pictures = false;  // the particle picture, for the HTML forms only
};

// A question as the worksheets and the browser page show it.
struct Revealed {
  Rich question;                     // the reactants, as after "Question: "
  std::vector<SheetLine> answer;     // the caption, products and ionic answer
  std::vector<SheetLine> equations;  // the formula lines, where asked for
  std::vector<SheetLine> reasons;    // "Why:" and the reasons, where asked
  std::string picture;               // the SVG particle picture, where asked
};

// The question, its answer lines set in as the dialogue sets them in, and
// with `extras.formulas` the formula equation and, where anything dissolves
// into ions, the complete and net ionic equations, each below its heading,
// or for an electrolysis the half-equation at each electrode;
// with `extras.reasons`, "Why:" and the reasons below it; with
// `extras.pictures`, the particle picture of the reaction.
Revealed reveal(const DrillQuestion& q, Extras extras);

// The same lines as the console writes them, never a picture, each set in and
// ended by a line break, then two empty lines: built as one text, since the
// console writes nothing else so often.
std::string revealedText(const DrillQuestion& q, Extras extras);

#endif  // REACTION_DRILL_DRILL_REVEAL_H_
