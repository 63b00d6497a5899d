// 1. An acid and a hydroxide or oxide: salt and water.
// Reactants: the acid's anion, the base's cation, hydroxide or oxide.
#include "neutralisation.h"

namespace {

// What forms besides the salt, in words.
constexpr std::string_view formed = "water";

Reactants draw() {
  return drawNeutralisation(role::baseNoCarbonate, role::acid);
}

void everyDraw(const std::function<void(const Reactants&)>& visit) {
  everyNeutralisation(role::baseNoCarbonate, role::acid, visit);
}

QuestionTexts compose(const Reactants& r) {
  return neutralisationTexts(r, "acid + base -> salt + water", formed);
}

FormulaEquations formulas(const Reactants& r) {
  return neutralisationEquations(r, terms::water());
}

std::vector<std::string> reasons(const Reactants& r) {
  return neutralisationReasons(r, formed);
}

}  // namespace

const ReactionType acidBase = {
    "acid + base",
    "acid + base: an acid and a hydroxide or an oxide give a salt and water.",
    draw,
    compose,
    formulas,
    reasons,
    everyDraw};
