// 8. A carbon fuel burnt in air: carbon dioxide and water.
// Reactants: no ions; the fuel's row in the table of fuels.
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "equation_html.h"
#include "rich.h"
#include "terms.h"

namespace {

struct Fuel {
  std::string_view name;
  int carbon;
  int hydrogen;
  int oxygen;
  State state;  // at room temperature
};

// Fuels a class burns or reads of, with their state at room temperature.
// No two share a formula, so the formula names the fuel.
// clang-format off
constexpr Fuel fuels[] = {
    // name          C   H   O   state
    {"methane",      1,  4,  0,  State::gas},
    {"ethane",       2,  6,  0,  State::gas},
    {"propane",      3,  8,  0,  State::gas},
    {"butane",       4, 10,  0,  State::gas},
    {"pentane",      5, 12,  0,  State::liquid},
    {"hexane",       6, 14,  0,  State::liquid},
    {"heptane",      7, 16,  0,  State::liquid},
    {"octane",       8, 18,  0,  State::liquid},
    {"decane",      10, 22,  0,  State::liquid},
    {"ethene",       2,  4,  0,  State::gas},
    {"propene",      3,  6,  0,  State::gas},
    {"ethyne",       2,  2,  0,  State::gas},
    {"cyclohexane",  6, 12,  0,  State::liquid},
    {"benzene",      6,  6,  0,  State::liquid},
    {"methanol",     1,  4,  1,  State::liquid},
    {"ethanol",      2,  6,  1,  State::liquid},
    {"propan-1-ol",  3,  8,  1,  State::liquid},
    {"butan-1-ol",   4, 10,  1,  State::liquid},
    {"propanone",    3,  6,  1,  State::liquid},
    {"glucose",      6, 12,  6,  State::solid},
    {"sucrose",     12, 22, 11,  State::solid},
};
// clang-format on

const Fuel& fuelOf(const Reactants& r) {
  return fuels[static_cast<std::size_t>(r.counts[0])];
}

// "C2H6O": a count of 1 is not written.
std::string fuelFormula(const Fuel& f) {
  const auto counted = [](const char* element, int n) {
    if (n == 0) return std::string();
    return element + (n > 1 ? std::to_string(n) : std::string());
  };
  return counted("C", f.carbon) + counted("H", f.hydrogen) +
         counted("O", f.oxygen);
}

std::string coefficient(int c) { return c > 1 ? std::to_string(c) : ""; }

// a fuel + b O2 -> c CO2 + d H2O, in the smallest whole numbers, as the
// word answer writes it: no states.
std::string balancedCombustion(const Fuel& f) {
  // Four molecules of fuel always balance, since every fuel has an even
  // number of hydrogen atoms; any common factor divides 4.
  int a = 4;
  int b = 4 * f.carbon + f.hydrogen - 2 * f.oxygen;
  int c = 4 * f.carbon;
  int d = 2 * f.hydrogen;
  while (a % 2 == 0 && b % 2 == 0 && c % 2 == 0 && d % 2 == 0) {
    a /= 2;
    b /= 2;
    c /= 2;
    d /= 2;
  }
  return coefficient(a) + fuelFormula(f) + " + " + coefficient(b) + "O2 -> " +
         coefficient(c) + "CO2 + " + coefficient(d) + "H2O";
}

Reactants draw() {
  const auto row = randomBelow(static_cast<std::uint32_t>(std::size(fuels)));
  return {{}, {static_cast<int>(row)}};
}

void everyDraw(const std::function<void(const Reactants&)>& visit) {
  for (std::size_t row = 0; row < std::size(fuels); ++row) {
    visit({{}, {static_cast<int>(row)}});
  }
}

FormulaEquations formulas(const Reactants& r) {
  const Fuel& f = fuelOf(r);
  return terms::derive(
      {terms::side(terms::molecule(fuelFormula(f), f.state),
                   terms::molecule("O2", State::gas)),
       terms::side(terms::carbonDioxide(), terms::water(State::gas))});
}

QuestionTexts compose(const Reactants& r) {
  const Fuel& f = fuelOf(r);
  QuestionTexts t;
  t.qtype = "combustion in air -> combine with oxygen";
  t.question = "burning " + fuelFormula(f) + " " +
               std::string(spokenState(f.state)) + " in air";
  t.products = "carbon dioxide + water";
  t.ionic = balancedCombustion(f);
  return t;
}

std::vector<std::string> reasons(const Reactants& r) {
  const Fuel& f = fuelOf(r);
  return {fuelFormula(f) + " is " + std::string(f.name) + ".",
          "In air, carbon burns to carbon dioxide and hydrogen to water.",
          "Balance C, then H, then O: " + balancedCombustion(f) + "."};
}

QuestionTexts html(const Reactants& r) {
  const Fuel& f = fuelOf(r);
  const QuestionTexts words = compose(r);
  return {"burning " + htmlFormula(fuelFormula(f)) + " " +
              std::string(spokenState(f.state)) + " in air",
          richText(words.qtype).html, richText(words.products).html,
          htmlEquation(formulas(r).formula, false)};
}

}  // namespace

const ReactionType combustion = {
    "combustion (burning in air)",
    "combustion: a carbon fuel, such as methane, ethanol or glucose, burns in "
    "air to carbon dioxide and water, with balanced coefficients.",
    draw,
    compose,
    formulas,
    reasons,
    everyDraw,
    html};
