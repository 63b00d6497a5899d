// The slips that make a typed equation close rather than wrong, once it
// names the right species and balances: the letter case of a formula, a
// species written twice, coefficients that are not the smallest set, and
// a state.
#ifndef REACTION_DRILL_QUIZ_EQUATION_SLIPS_H_
#define REACTION_DRILL_QUIZ_EQUATION_SLIPS_H_

#include <optional>

#include "equation.h"
#include "text.h"
#include "typed_reader.h"
#include "verdict.h"

// Whether `typed` names the species `right`, in any letter case.
inline bool sameSpecies(const Term& right, const TypedTerm& typed) {
  return right.charge == typed.charge &&
         ucase(right.formula) == ucase(typed.formula);
}

// A finding of `what`, about `term` where it names one.
inline Finding found(Finding::What what, const Term& term = {}) {
  Finding f;
  f.what = what;
  f.term = term;
  return f;
}

// The first slip of `typed` against `right`, in the order the header
// names them; nothing where there is none. `written` is `right` with the
// coefficients as typed.
// REQUIRES: `typed` names each species of `right` on its side, and
// `written` balances.
std::optional<Finding> slipIn(const Equation& right, const TypedEquation& typed,
                              const Equation& written);

#endif  // REACTION_DRILL_QUIZ_EQUATION_SLIPS_H_
