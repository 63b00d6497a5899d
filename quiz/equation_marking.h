// Marking a typed equation against the right one, term by term: never as
// text, so that any notation the reader takes is marked alike.
#ifndef REACTION_DRILL_QUIZ_EQUATION_MARKING_H_
#define REACTION_DRILL_QUIZ_EQUATION_MARKING_H_

#include <string_view>

#include "equation.h"
#include "verdict.h"

// Which equation of a reaction a question asks for.
enum class EquationForm {
  formula,   // compounds written whole
  netIonic,  // dissolved compounds as their ions, spectators left out
};

// What an equation question asks: the drill's own equation, a balanced one
// or a no reaction, which every verdict but Correct. ends with, and its
// form.
struct AskedEquation {
  Equation right;
  EquationForm form = EquationForm::formula;
};

// The verdict on `answer` to `asked`. The first check that fails decides
// it, each naming what it found: the line cannot be read, or reads but for
// its arrow; a reaction is written where nothing reacts, or the other way
// round; a species is missing from a side or should not be on it; an
// element or the charge is not balanced; in a net ionic equation, a
// product's state, which says whether it precipitates. Then, as close
// (equation_slips.h): the letter case, a species written twice on one side, a
// multiple of the coefficients, a set that is not the smallest, or another
// written state. A no reaction asked as a net ionic equation may name each
// reactant by its formula or by the ions it dissolves into.
Verdict markTypedEquation(const AskedEquation& asked, std::string_view answer);

#endif  // REACTION_DRILL_QUIZ_EQUATION_MARKING_H_
