// Marking a typed equation against the right one, term by term: never as
// text, so that any notation the reader takes is marked alike.
#ifndef REACTION_DRILL_QUIZ_EQUATION_MARKING_H_
#define REACTION_DRILL_QUIZ_EQUATION_MARKING_H_

#include <ostream>
#include <string_view>

#include "equation.h"

// Marks `answer` against `right`, a balanced equation or a no reaction:
// writes one verdict line to `out` and returns true only when it is fully
// right. The first check that fails decides the verdict: the line cannot
// be read; a species is missing or should not be there; an element or the
// charge is not balanced; the letter case, a multiple of the coefficients,
// a set that is not the smallest, or a written state.
// REQUIRES: the ion catalogue is filled (initIons).
bool markTypedEquation(const Equation& right, std::string_view answer,
                       std::ostream& out);

#endif  // REACTION_DRILL_QUIZ_EQUATION_MARKING_H_
