#include "reveal.h"

#include <string>
#include <variant>

#include "equation_html.h"
#include "formulas.h"

namespace {

FormulaEquations equationsOf(const Reaction& r) {
  return std::visit(
      [](const auto& reactants) { return formulaEquations(reactants); }, r);
}

// The combustion answer names a formula, so its HTML comes from the terms.
Rich ionicAnswer(const Reaction& r, const QuestionTexts& t) {
  if (std::holds_alternative<Fuel>(r)) {
    return {t.ionic, htmlEquation(equationsOf(r).formula, false)};
  }
  return words(t.ionic);
}

void addEquation(std::vector<SheetLine>& lines, std::string_view label,
                 const Equation& e) {
  lines.push_back({words(label), 0});
  lines.push_back({{ascii(e), htmlEquation(e)}, 2});
}

}  // namespace

Rich questionLine(const Reaction& r, const QuestionTexts& t) {
  const Fuel* fuel = std::get_if<Fuel>(&r);
  if (fuel == nullptr) return words(t.question);
  return {t.question, "burning " + htmlFormula(fuelFormula(*fuel)) + " " +
                          std::string(fuelState(*fuel)) + " in air"};
}

std::vector<SheetLine> answerLines(const Reaction& r, const QuestionTexts& t,
                                   bool formulas) {
  std::vector<SheetLine> lines = {
      {words("(" + t.qtype + ")"), 0},
      {words("Products, including spectators:  " + t.products), 0},
      {words("Answer, ionic:"), 0},
      {ionicAnswer(r, t), 2},
  };
  if (!formulas) return lines;
  const FormulaEquations e = equationsOf(r);
  addEquation(lines, "Formula equation:", e.formula);
  if (e.complete && e.net) {
    addEquation(lines, "Complete ionic:", *e.complete);
    addEquation(lines, "Net ionic:", *e.net);
  }
  return lines;
}
