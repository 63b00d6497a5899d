// 2. An acid and a carbonate: salt, water and carbon dioxide.
// Reactants: the acid's anion, the carbonate's cation, carbonate or
// bicarbonate.
#include "neutralisation.h"

namespace {

// What forms besides the salt, in words.
constexpr std::string_view formed = "water + carbon dioxide";

// Carbonic acid with a carbonate gives a bicarbonate, not the carbonate
// back.
bool isAsked(const Ion& acid) {
  return role::acid(acid) && acid.formula != "CO3";
}

Reactants draw() { return drawNeutralisation(role::carbonate, isAsked); }

void everyDraw(const std::function<void(const Reactants&)>& visit) {
  everyNeutralisation(role::carbonate, isAsked, visit);
}

QuestionTexts compose(const Reactants& r) {
  return neutralisationTexts(
      r, "acid + carbonate -> salt + water + carbon dioxide gas", formed);
}

FormulaEquations formulas(const Reactants& r) {
  return neutralisationEquations(r, terms::water(), terms::carbonDioxide());
}

std::vector<std::string> reasons(const Reactants& r) {
  return neutralisationReasons(r, formed);
}

}  // namespace

const ReactionType acidCarbonate = {
    "acid + carbonate",
    "acid + carbonate: an acid and a carbonate give a salt, water and carbon "
    "dioxide gas.",
    draw,
    compose,
    formulas,
    reasons,
    everyDraw};
