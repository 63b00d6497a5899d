// 4. The balanced formula equation of a reaction, with states: "Reactants:
// nitric acid + zinc carbonate", "2HNO3(aq) + ZnCO3(s) -> ...".
#include "equation_question.h"

QuizQuestion drawFormulaEquation() {
  const Reaction r = drawAnyReaction();
  const FormulaEquations e = formulaEquations(r);
  // An electrolysis is asked by its electrodes: here the cathode.
  if (e.cathode) {
    return askEquation(r, e, {*e.cathode, EquationForm::formula},
                       "At the cathode:");
  }
  return askEquation(r, e, {e.formula, EquationForm::formula}, "Equation:");
}

extern const char formulaEquationSummary[] =
    "formula equations: given the reactants of one of the drill's reactions, "
    "in "
    "words, type its balanced formula equation, as in "
    "`2HCl(aq) + Zn(s) -> H2(g) + ZnCl2(aq)`, or `no reaction` where nothing "
    "reacts; of an electrolysis, the half-equation at the cathode, as in "
    "`Cu2+ + 2e- -> Cu`.";
