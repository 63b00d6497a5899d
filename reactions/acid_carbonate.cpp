// 2. An acid and a carbonate: salt, water and carbon dioxide.
// Reactants: the acid's anion, the carbonate's cation, carbonate or
// bicarbonate.
#include "neutralisation.h"

namespace {

Reactants draw() { return drawNeutralisation(role::carbonate); }

void everyDraw(const std::function<void(const Reactants&)>& visit) {
  everyNeutralisation(role::carbonate, visit);
}

QuestionTexts compose(const Reactants& r) {
  return neutralisationTexts(
      r, "acid + carbonate -> salt + water + carbon dioxide gas",
      "water + carbon dioxide");
}

FormulaEquations formulas(const Reactants& r) {
  return neutralisationEquations(r, terms::water(), terms::carbonDioxide());
}

}  // namespace

const ReactionKind acidCarbonate = {draw, compose, formulas, everyDraw};
