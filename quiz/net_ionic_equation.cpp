// 5. The net ionic equation of a reaction: "2H+ + ZnCO3 -> ...". Where
// nothing dissolves into ions there is none to write, and the question asks
// for the formula equation, as the drill shows no ionic lines for it.
#include "equation_question.h"

QuizQuestion drawNetIonicEquation() {
  const Reaction r = drawAnyReaction();
  const FormulaEquations e = formulaEquations(r);
  // An electrolysis is asked by its electrodes: here the anode.
  if (e.anode) {
    return askEquation(r, e, {*e.anode, EquationForm::formula},
                       "At the anode:");
  }
  // A no reaction has no net ionic equation, but its reactants may still
  // be written as ions.
  if (!splitsIntoIons(e.formula)) {
    return askEquation(r, e, {e.formula, EquationForm::formula}, "Equation:");
  }
  return askEquation(r, e, {e.net ? *e.net : e.formula, EquationForm::netIonic},
                     "Net ionic:");
}

extern const char netIonicEquationSummary[] =
    "net ionic equations: the same, but type the net ionic equation, as in "
    "`2H+ + Zn -> H2 + Zn2+`. Where nothing dissolves into ions, as in a "
    "combustion, there is none to write, and the question asks `Equation:` for "
    "the formula equation. Where nothing reacts, the reactants may be written "
    "as "
    "their formulas or as their ions, as in `H+ + Cu -> NR`. Of an "
    "electrolysis it asks the half-equation at the anode, as in "
    "`2Cl- -> Cl2 + 2e-`.";
