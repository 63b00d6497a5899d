// 8. A fuel of carbon, hydrogen and possibly oxygen burnt in air.
// Reactants: no ions; the counts of carbon, oxygen and hydrogen atoms.
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "equation_html.h"
#include "rich.h"
#include "terms.h"

namespace {

struct Fuel {
  int numc;  // carbon atoms, 1 to 6
  int numo;  // oxygen atoms, 0 to numc - 1
  int numh;  // hydrogen atoms: 4 for one carbon, else even, 2 to 2 * numc + 2
};

Fuel fuelOf(const Reactants& r) {
  return {r.counts[0], r.counts[1], r.counts[2]};
}

// A count of 1 is not written; hydrogen is always at least 2.
std::string fuelFormula(const Fuel& f) {
  std::string formula = "C";
  if (f.numc > 1) formula += std::to_string(f.numc);
  formula += "H" + std::to_string(f.numh);
  if (f.numo >= 1) formula += "O";
  if (f.numo > 1) formula += std::to_string(f.numo);
  return formula;
}

// Small hydrocarbons are gases, oxygen makes a fuel liquid, and much oxygen
// makes it solid.
std::string_view fuelState(const Fuel& f) {
  if (f.numo == 0) return f.numc <= 4 ? "gas" : "liquid";
  return f.numo <= 3 ? "liquid" : "solid";
}

std::string coefficient(int c) { return c > 1 ? std::to_string(c) : ""; }

// a fuel + b O2 -> c CO2 + d H2O, in the smallest whole numbers, as the
// word answer writes it: no states.
std::string balancedCombustion(const Fuel& f, const std::string& fuel) {
  // Four molecules of fuel always balance; any common factor divides 4.
  int a = 4;
  int b = 4 * f.numc + f.numh - 2 * f.numo;
  int c = 4 * f.numc;
  int d = 2 * f.numh;
  while (a % 2 == 0 && b % 2 == 0 && c % 2 == 0 && d % 2 == 0) {
    a /= 2;
    b /= 2;
    c /= 2;
    d /= 2;
  }
  return coefficient(a) + fuel + " + " + coefficient(b) + "O2 -> " +
         coefficient(c) + "CO2 + " + coefficient(d) + "H2O";
}

State stateNamed(std::string_view word) {
  if (word == "gas") return State::gas;
  return word == "liquid" ? State::liquid : State::solid;
}

// The hydrogen count of a fuel from its third draw `r`: even, from 2 to
// 2 * numc + 2, so that the fuel can be a molecule; a one-carbon fuel is
// methane.
int hydrogenCount(int numc, int r) {
  return numc == 1 ? 4 : 2 * (r % (numc + 1)) + 2;
}

Reactants draw() {
  Fuel f{};
  f.numc = static_cast<int>(randomBelow(6)) + 1;
  f.numo = static_cast<int>(randomBelow(static_cast<std::uint32_t>(f.numc)));
  const auto r = static_cast<int>(
      randomBelow(static_cast<std::uint32_t>(2 * f.numc - f.numo)));
  f.numh = hydrogenCount(f.numc, r);
  return {{}, {f.numc, f.numo, f.numh}};
}

// Every third draw of every numc and numo, each fuel once.
void everyDraw(const std::function<void(const Reactants&)>& visit) {
  for (int c = 1; c <= 6; ++c) {
    for (int o = 0; o < c; ++o) {
      std::set<int> counts;
      for (int r = 0; r < 2 * c - o; ++r) counts.insert(hydrogenCount(c, r));
      for (int h : counts) visit({{}, {c, o, h}});
    }
  }
}

FormulaEquations formulas(const Reactants& r) {
  const Fuel f = fuelOf(r);
  return terms::derive(
      {terms::side(terms::molecule(fuelFormula(f), stateNamed(fuelState(f))),
                   terms::molecule("O2", State::gas)),
       terms::side(terms::carbonDioxide(), terms::water(State::gas))});
}

QuestionTexts compose(const Reactants& r) {
  const Fuel f = fuelOf(r);
  const std::string fuel = fuelFormula(f);
  QuestionTexts t;
  t.qtype = "combustion in air -> combine with oxygen";
  t.question = "burning " + fuel + " " + std::string(fuelState(f)) + " in air";
  t.products = "carbon dioxide + water";
  t.ionic = balancedCombustion(f, fuel);
  return t;
}

std::vector<std::string> reasons(const Reactants& r) {
  const Fuel f = fuelOf(r);
  return {"In air, carbon burns to carbon dioxide and hydrogen to water.",
          "Balance C, then H, then O: " +
              balancedCombustion(f, fuelFormula(f)) + "."};
}

QuestionTexts html(const Reactants& r) {
  const Fuel f = fuelOf(r);
  const QuestionTexts words = compose(r);
  return {"burning " + htmlFormula(fuelFormula(f)) + " " +
              std::string(fuelState(f)) + " in air",
          richText(words.qtype).html, richText(words.products).html,
          htmlEquation(formulas(r).formula, false)};
}

}  // namespace

const ReactionType combustion = {
    "combustion (burning in air)",
    "combustion: a fuel of carbon, hydrogen and possibly oxygen burns in air "
    "to carbon dioxide and water, with balanced coefficients.",
    draw,
    compose,
    formulas,
    reasons,
    everyDraw,
    html};
