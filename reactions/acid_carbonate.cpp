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

// The point of the reaction: the carbon dioxide comes from carbonic acid,
// which the acid makes of the carbonate and which does not last.
std::vector<std::string> reasons(const Reactants& r) {
  std::vector<std::string> lines = {
      "The acid and the " + r.ions[2].name +
      " give carbonic acid, H2CO3, which breaks down into water and carbon "
      "dioxide."};
  for (std::string& line : neutralisationReasons(r, formed)) {
    lines.push_back(std::move(line));
  }
  return lines;
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
