// 4. The balanced formula equation of a reaction, with states: "Reactants:
// nitric acid + zinc carbonate", "2HNO3(aq) + ZnCO3(s) -> ...".
#include "equation_question.h"

QuizQuestion drawFormulaEquation() {
  const Reaction r = drawAnyReaction();
  return askEquation(r, {formulaEquations(r).formula, EquationForm::formula},
                     "Equation:");
}
