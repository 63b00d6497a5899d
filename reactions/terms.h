// The terms of formula equations that several reaction types write, and
// the states their word answers imply.
#ifndef REACTION_DRILL_REACTIONS_TERMS_H_
#define REACTION_DRILL_REACTIONS_TERMS_H_

#include <string>
#include <utility>
#include <vector>

#include "equation.h"
#include "ion.h"
#include "reaction_types.h"

namespace terms {

// A compound of `cation` and `anion`, as makeFormula writes it, with the
// ions it dissolves into; the weak base dissolves into none.
Term compound(const Ion& cation, const Ion& anion, State state);
// An acid: a strong one as the compound of hydrogen ions and its anion, a
// weak one as a molecule that does not split into ions.
Term acid(const Ion& anion);
// A term that does not dissolve into ions.
Term molecule(std::string formula, State state);
// A free metal, in its state at room temperature.
Term metal(const Ion& i);
Term water(State state = State::liquid);
Term hydrogenGas();
Term carbonDioxide();

// The terms of one side of an equation.
template <typename... Terms>
std::vector<Term> side(Terms&&... terms) {
  std::vector<Term> all;
  all.reserve(sizeof...(terms));
  (all.push_back(std::forward<Terms>(terms)), ...);
  return all;
}

// Where a word answer names only soluble salts as ions: a salt with no rule
// is written whole.
State dissolvedIfSoluble(const Ion& cation, const Ion& anion);

// Where a word answer writes only insoluble salts whole: a salt with no rule
// counts as dissolved.
State dissolvedUnlessInsoluble(const Ion& cation, const Ion& anion);

// Balances `e` and writes its ionic equations if anything dissolves.
// REQUIRES: `e` balances in one way, as every reaction a type poses does.
FormulaEquations derive(Equation e);

// "reactants -> no reaction", with no ionic equations.
FormulaEquations noReaction(std::vector<Term> reactants);

}  // namespace terms

#endif  // REACTION_DRILL_REACTIONS_TERMS_H_
