// 10. A carbonate or a bicarbonate heated in a Bunsen flame: it breaks
// down, or it does not.
// Reactants: the salt's cation, then carbonate or bicarbonate.
#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "terms.h"
#include "words.h"

namespace {

// What heating makes of a salt.
enum class Gives {
  nothing,    // it does not break down in a Bunsen flame
  oxide,      // the metal oxide and carbon dioxide
  carbonate,  // the carbonate, water and carbon dioxide
};

// The salts the drill heats, by their cation's name and their anion, and
// what each gives. The first row that names the salt decides.
struct Heating {
  std::string_view cations;  // by name
  std::string_view anion;    // by formula
  Gives gives;
};
// clang-format off
constexpr Heating heatings[] = {
    // cations                                          anion   gives
    {"sodium potassium",                                "CO3",  Gives::nothing},
    {"sodium potassium",                                "HCO3", Gives::carbonate},
    {"lithium magnesium calcium barium zinc iron(II) copper(II) lead(II) "
     "manganese cobalt nickel cadmium",                 "CO3",  Gives::oxide},
};
// clang-format on

const Heating* heatingOf(const Ion& cation, const Ion& anion) {
  for (const Heating& h : heatings) {
    if (isListed(h.cations, cation.name) && h.anion == anion.formula) {
      return &h;
    }
  }
  return nullptr;
}

bool askable(const Reactants& r) {
  return heatingOf(r.ions[0], r.ions[1]) != nullptr;
}

void everyDraw(const std::function<void(const Reactants&)>& visit) {
  forEachIon(role::cation, [&](const Ion& cation) {
    forEachIon(role::carbonate, [&](const Ion& anion) {
      const Reactants r{{cation, anion}, {}};
      if (askable(r)) visit(r);
    });
  });
}

// One of every question the rules allow, each as likely: drawn ions would
// mostly be rejected, so the questions are listed once and one is drawn.
Reactants draw() {
  static const std::vector<Reactants> all = listed(everyDraw);
  return drawOneOf(all);
}

// The carbonates that do not break down.
const Heating& unchanged() {
  for (const Heating& h : heatings) {
    if (h.gives == Gives::nothing) return h;
  }
  require(false, "the table of heatings names the carbonates that stay");
  return heatings[0];
}

// "sodium and potassium" for "sodium potassium".
std::string namesIn(std::string_view list) {
  std::vector<std::string> names;
  for (const std::string_view name : wordsOf(list)) names.emplace_back(name);
  return listed(names);
}

// The rule that decided, as a teacher says it, written from its row; the
// rule of the oxides names the salts that do not break down.
std::string rule(const Heating& h) {
  switch (h.gives) {
    case Gives::nothing:
      return "The carbonates of " + namesIn(h.cations) +
             " do not break down at the temperature of a Bunsen flame.";
    case Gives::carbonate:
      return "The bicarbonates of " + namesIn(h.cations) +
             " break down on heating into the carbonate, water and carbon "
             "dioxide.";
    case Gives::oxide:
      break;
  }
  return "Carbonates of metals other than " + namesIn(unchanged().cations) +
         " break down on heating into the metal oxide and carbon dioxide.";
}

// What is left in the tube: the oxide, or the carbonate.
const Ion& solidLeft(const Heating& h) {
  static const Ion oxide = catalogueIon("oxide");
  static const Ion carbonate = catalogueIon("carbonate");
  return h.gives == Gives::oxide ? oxide : carbonate;
}

QuestionTexts compose(const Reactants& r) {
  const Ion& cation = r.ions[0];
  const Ion& anion = r.ions[1];
  const Heating& h = *heatingOf(cation, anion);
  QuestionTexts t;
  t.qtype = "thermal decomposition";
  t.question = "heating " + words::compound(cation, anion);
  if (h.gives == Gives::nothing) {
    words::noReaction(t, words::compound(cation, anion) +
                             " does not decompose when heated in a Bunsen "
                             "flame");
    return t;
  }
  t.products = words::compound(cation, solidLeft(h));
  if (h.gives == Gives::carbonate) t.products += " + water";
  t.products += " + carbon dioxide";
  t.ionic = words::equation(words::compound(cation, anion), t.products);
  return t;
}

std::vector<std::string> reasons(const Reactants& r) {
  const Heating& h = *heatingOf(r.ions[0], r.ions[1]);
  if (h.gives == Gives::nothing) return {rule(h)};
  return {rule(h), formulaReason(r.ions[0], solidLeft(h))};
}

FormulaEquations formulas(const Reactants& r) {
  const Ion& cation = r.ions[0];
  const Ion& anion = r.ions[1];
  const Heating& h = *heatingOf(cation, anion);
  std::vector<Term> heated =
      terms::side(terms::compound(cation, anion, State::solid));
  if (h.gives == Gives::nothing) return terms::noReaction(std::move(heated));
  std::vector<Term> left =
      terms::side(terms::compound(cation, solidLeft(h), State::solid));
  if (h.gives == Gives::carbonate) left.push_back(terms::water(State::gas));
  left.push_back(terms::carbonDioxide());
  return terms::derive({std::move(heated), std::move(left)});
}

}  // namespace

const ReactionType thermalDecomposition = {
    "thermal decomposition",
    "thermal decomposition: a carbonate heated in a Bunsen flame breaks down "
    "into the metal oxide and carbon dioxide, a bicarbonate into the "
    "carbonate, water and carbon dioxide; sodium and potassium carbonates do "
    "not break down.",
    draw,
    compose,
    formulas,
    reasons,
    everyDraw};
