// 5. The net ionic equation of a reaction, or its formula equation where
// the drill shows no ionic lines.
#include "equation_question.h"

QuizQuestion drawNetIonicEquation() {
  const Reaction r = drawAnyReaction();
  FormulaEquations e = formulaEquations(r);
  return askEquation(r, e.net ? std::move(*e.net) : std::move(e.formula),
                     "Net ionic:");
}
