#include "reveal.h"

#include <string>
#include <utility>
#include <variant>

#include "equation_html.h"

namespace {

Rich wordsIn(std::string text, Forms forms) {
  if (forms == Forms::text) return {std::move(text), ""};
  return words(text);
}

// The combustion answer names a formula, so its HTML comes from the terms.
Rich ionicAnswer(const Reaction& r, const QuestionTexts& t, Forms forms) {
  if (forms == Forms::textAndHtml && std::holds_alternative<Fuel>(r)) {
    return {t.ionic, htmlEquation(formulaEquations(r).formula, false)};
  }
  return wordsIn(t.ionic, forms);
}

void addEquation(std::vector<SheetLine>& lines, std::string_view label,
                 const Equation& e, Forms forms) {
  lines.push_back({wordsIn(std::string(label), forms), 0});
  lines.push_back({{ascii(e), forms == Forms::text ? "" : htmlEquation(e)}, 2});
}

}  // namespace

Rich questionLine(const Reaction& r, const QuestionTexts& t) {
  const Fuel* fuel = std::get_if<Fuel>(&r);
  if (fuel == nullptr) return words(t.question);
  return {t.question, "burning " + htmlFormula(fuelFormula(*fuel)) + " " +
                          std::string(fuelState(*fuel)) + " in air"};
}

std::vector<SheetLine> answerLines(const Reaction& r, const QuestionTexts& t,
                                   Forms forms) {
  return {
      {wordsIn("(" + t.qtype + ")", forms), 0},
      {wordsIn("Products, including spectators:  " + t.products, forms), 0},
      {wordsIn("Answer, ionic:", forms), 0},
      {ionicAnswer(r, t, forms), 2},
  };
}

std::vector<SheetLine> formulaLines(const Reaction& r, Forms forms) {
  const FormulaEquations e = formulaEquations(r);
  std::vector<SheetLine> lines;
  addEquation(lines, "Formula equation:", e.formula, forms);
  if (e.complete && e.net) {
    addEquation(lines, "Complete ionic:", *e.complete, forms);
    addEquation(lines, "Net ionic:", *e.net, forms);
  }
  return lines;
}

std::vector<SheetLine> revealedLines(const Reaction& r, const QuestionTexts& t,
                                     bool formulas, Forms forms) {
  std::vector<SheetLine> lines = answerLines(r, t, forms);
  if (!formulas) return lines;
  const std::vector<SheetLine> equations = formulaLines(r, forms);
  lines.insert(lines.end(), equations.begin(), equations.end());
  return lines;
}
